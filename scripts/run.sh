#!/usr/bin/env bash
# Builds the suite, installs it into a private Wine prefix and runs it there: the charge-support
# probe and the style-sheet picker, answering for the machine they find.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

source "$root/scripts/wine-session.sh"
suite_prepare "$root" >/dev/null
suite_install_into_prefix "$root"

suite='C:\Program Files (x86)\Corvane\Corvane Vezuv Uvodoza'
run() { wine "$root/build/testsupport/exitcode.exe" "$@"; }

echo "Installed into $WINEPREFIX/drive_c/Program Files (x86)/Corvane/Corvane Vezuv Uvodoza"

# The simulated hardware-access driver stands in for the maker's, with its default machine:
# charge and music features, one mode-table entry of the typical family. It is kept outside
# system32, which the 32-bit driver host sees redirected.
mkdir -p "$WINEPREFIX/drive_c/ProgramData/pwrio"
wine sc stop pwrio >/dev/null 2>&1 || true
wine sc delete pwrio >/dev/null 2>&1 || true
cp "$root/build/pwrio/driver/pwrio.sys" "$WINEPREFIX/drive_c/ProgramData/pwrio/pwrio.sys"
wine sc create pwrio type= kernel binPath= 'C:\ProgramData\pwrio\pwrio.sys' >/dev/null
wine sc start pwrio >/dev/null
echo "Simulated driver pwrio started (machine settings: HKLM\System\CurrentControlSet\Services\pwrio\Parameters)"
echo
echo "Charge-support probe (0: charge feature present, 1: absent or no device, 2: absent and close failed):"
run "$suite\\Portsense.exe"
echo
echo "Style-sheet picker, usage:"
run "$suite\\Stylepick.exe" /?
echo "Style-sheet picker, installing auto.css (0: installed; 61696: no hardware-access device; otherwise the failing status):"
run "$suite\\Stylepick.exe" /path "$suite\\auto.css" "$suite\\CSS\\"
