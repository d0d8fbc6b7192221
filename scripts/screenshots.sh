#!/usr/bin/env bash
# screenshots.sh [--variant x86|x64]: builds the suite, installs it into its private Wine
# prefix and saves screenshots of its windows at 96 and 144 dpi as
# <build folder>/screenshots/<dpi>/<name>.png, for people to look at.
# Each program lists its shots in <folder>/screenshots.sh, sourced here, with:
#   shot <name> <program> [arguments...]     (program: a Windows path or a path in the build)
#   test_shots <test program> <test filter>  (the shots the tests save of what they check)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

source "$root/scripts/wine-session.sh"
suite_select_variant "$@"
suite_prepare >/dev/null
suite_install_into_prefix

# The suite as installed, as its programs find it.
suite=$SUITE_FOLDER

set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wine reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  # The display settings are read when the server starts.
  wineserver -k
  wineserver -w
  wineserver -p
  wine_session_warm_up "$SUITE_BUILD"
}

restore_dpi() {
  set_dpi 96 || true
  wine_session_stop
}
trap restore_dpi EXIT

shot() {
  local name=$1
  shift
  if wine "$SUITE_BUILD/testsupport/snapwindow.exe" "$out/$name.bmp" "$@"; then
    convert "$out/$name.bmp" "$out/$name.png"
    rm -f "$out/$name.bmp"
    echo "  $out/$name.png"
  else
    echo "  $name: no screenshot" >&2
  fi
}

# High contrast cannot be turned on in Wine: the dialogs' tests turn it on for their own
# process, check the colours and save each window they checked when SUITE_SHOT_FOLDER is set.
test_shots() {
  local bmp
  if ! (export SUITE_SHOT_FOLDER="Z:${out//\//\\}" && wine "$1" --gtest_filter="$2" >/dev/null 2>&1); then
    echo "  $2: a check failed" >&2
  fi
  for bmp in "$out"/*.bmp; do
    [ -f "$bmp" ] || continue
    convert "$bmp" "${bmp%.bmp}.png"
    rm -f "$bmp"
    echo "  ${bmp%.bmp}.png"
  done
}

for dpi in 96 144; do
  out="$SUITE_BUILD/screenshots/$dpi"
  mkdir -p "$out"
  set_dpi "$dpi"
  echo "At $dpi dpi:"
  for list in "$root"/*/screenshots.sh "$root"/*/*/screenshots.sh; do
    # This script is not one of the lists.
    if [ -f "$list" ] && [ "$list" != "$root/scripts/screenshots.sh" ]; then
      source "$list"
    fi
  done
done
