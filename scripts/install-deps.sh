#!/usr/bin/env bash
# Installs what building and testing the suite needs on a Debian machine.
# Idempotent: does nothing (and prints nothing) when everything is there.
set -euo pipefail

packages=(
  cmake
  g++-mingw-w64-i686-posix
  mingw-w64-tools
  wine
  wine32:i386
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
)

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
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
