#!/usr/bin/env bash
# Builds the suite, installs it into a private Wine prefix and runs it there: the charge-support
# probe and the style-sheet picker, answering for the machine they find.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/scripts/install-deps.sh"
source "$root/scripts/wine-session.sh"

cmake --preset mingw >/dev/null
wine_session_start "$root/build"
cmake --build --preset mingw >/dev/null
cmake --install build --prefix "$WINEPREFIX/drive_c/Program Files (x86)" >/dev/null

suite='C:\Program Files (x86)\Corvane\Corvane Vezuv Uvodoza'
run() { wine "$root/build/testsupport/exitcode.exe" "$@"; }

echo "Installed into $WINEPREFIX/drive_c/Program Files (x86)/Corvane/Corvane Vezuv Uvodoza"
echo
echo "Charge-support probe (0: charge feature present, 1: absent or no device, 2: absent and close failed):"
run "$suite\\Portsense.exe"
echo
echo "Style-sheet picker, usage:"
run "$suite\\Stylepick.exe" /?
echo "Style-sheet picker, installing auto.css (61696: no hardware-access device):"
run "$suite\\Stylepick.exe" /path "$suite\\auto.css" "$suite\\CSS\\"
