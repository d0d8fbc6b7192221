#!/usr/bin/env bash
# install-deps.sh x86|x64 ...: installs what building and testing the named variants needs on
# a Debian machine. Idempotent: does nothing (and prints nothing) when everything is there.
set -euo pipefail

packages=(
  cmake
  mingw-w64-tools
  wine
  wine64
  fonts-wine
  xvfb
  xauth
  x11-utils
  imagemagick
  nsis
  googletest
  chromium
  python3
  openssl
  osslsigncode
)
needs_i386=no
for variant in "$@"; do
  case "$variant" in
    x86) packages+=(g++-mingw-w64-i686-posix wine32:i386); needs_i386=yes ;;
    x64) packages+=(g++-mingw-w64-x86-64-posix) ;;
    *) echo "install-deps.sh: unknown variant '$variant'" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
if [ "$needs_i386" = yes ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
# A mirror caught mid-sync fails one index now and then: try again, then go on with the lists
# that did come (the install below fails loudly if what it needs is not among them).
for attempt in 1 2 3; do
  $sudo apt-get update -qq && break
  echo "apt-get update failed (attempt $attempt); the install goes on with the lists it has" >&2
  sleep 5
done
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
