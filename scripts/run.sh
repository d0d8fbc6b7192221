#!/usr/bin/env bash
# Builds the suite, installs it into a private Wine prefix and opens the settings program there
# as a person meets it on a notebook with both features and a battery. With a display the
# window opens on it; without one the program runs under Xvfb and a screenshot is saved.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

user_display=${DISPLAY:-}
source "$root/scripts/wine-session.sh"
suite_select_variant "$@"
suite_prepare >/dev/null
suite_install_into_prefix

suite=$SUITE_FOLDER
run() { wine "$SUITE_BUILD/testsupport/exitcode.exe" "$@"; }

echo "Installed into $SUITE_FOLDER_LINUX"

# The hardware tools against the simulated driver, kept outside system32, which a 32-bit
# driver host sees redirected.
mkdir -p "$WINEPREFIX/drive_c/ProgramData/pwrio"
wine sc stop pwrio >/dev/null 2>&1 || true
wine sc delete pwrio >/dev/null 2>&1 || true
cp "$SUITE_BUILD/pwrio/driver/pwrio.sys" "$WINEPREFIX/drive_c/ProgramData/pwrio/pwrio.sys"
wine sc create pwrio type= kernel binPath= 'C:\ProgramData\pwrio\pwrio.sys' >/dev/null
wine sc start pwrio >/dev/null
echo "Charge-support probe (0: present): $(run "$suite\\Portsense.exe" | tail -n 1 || true)"
echo "Style-sheet picker (0: auto.css installed): $(run "$suite\\Stylepick.exe" /path "$suite\\auto.css" "$suite\\CSS\\" | tail -n 1 || true)"

# The simulated notebook: Zazez and Charge in the typical family, Zazez and Music, changes
# allowed, and the ACPI battery key that gives the settings dialog its full layout.
sim='HKCU\Software\Corvane\NodwellSim'
wine reg add "$sim" /v CapableModes /t REG_DWORD /d 0x18 /f >/dev/null 2>&1
wine reg add "$sim" /v SupportMusic /t REG_DWORD /d 1 /f >/dev/null 2>&1
wine reg add "$sim" /v AllowDeviceLock /t REG_DWORD /d 1 /f >/dev/null 2>&1
wine reg add 'HKLM\SYSTEM\CurrentControlSet\Enum\ACPI\PNP0C0A' /f >/dev/null 2>&1
echo "Simulated machine: $sim"

if [ -n "$user_display" ]; then
  # All processes of one Wine server share a display: start the server again on the user's.
  wine_session_stop
  export DISPLAY=$user_display
  wineserver -p
  echo "Opening the settings program (the information program comes first until declined)."
  wine "$suite\\Nodwell.exe"
else
  shot="$SUITE_BUILD/run-settings.png"
  wine "$SUITE_BUILD/testsupport/snapwindow.exe" "$SUITE_BUILD/run-settings.bmp" "$suite\\Nodwell.exe" /noinfo
  convert "$SUITE_BUILD/run-settings.bmp" "$shot"
  rm -f "$SUITE_BUILD/run-settings.bmp"
  echo "No display: the settings program ran under Xvfb; screenshot saved as $shot"
fi
