# Screenshots of the settings program (sourced by scripts/screenshots.sh): the three layouts,
# the German dialog, message 502 with the dialog it leaves, and the three layouts in high
# contrast. Each shot sets the simulated machine first.
sim='HKCU\Software\Corvane\NodwellSim'
acpi_battery='HKLM\SYSTEM\CurrentControlSet\Enum\ACPI\PNP0C0A'

settings_machine() {  # <support music> <battery key present> [failing function]
  wine reg delete "$sim" /f >/dev/null 2>&1 || true
  wine reg add "$sim" /v CapableModes /t REG_DWORD /d 0x18 /f >/dev/null 2>&1
  wine reg add "$sim" /v SupportMusic /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wine reg add "$sim" /v CurrentMode /t REG_DWORD /d 4 /f >/dev/null 2>&1
  wine reg add "$sim" /v BatteryEnabled /t REG_DWORD /d 1 /f >/dev/null 2>&1
  wine reg add "$sim" /v BatteryLimit /t REG_DWORD /d 20 /f >/dev/null 2>&1
  if [ -n "${3:-}" ]; then
    wine reg add "$sim" /v "Fail_$3" /t REG_DWORD /d 1 /f >/dev/null 2>&1
  fi
  if [ "$2" = 1 ]; then
    wine reg add "$acpi_battery" /f >/dev/null 2>&1
  else
    wine reg delete "$acpi_battery" /f >/dev/null 2>&1 || true
  fi
}

# boxsnap: the message box, then the dialog once the box is answered.
settings_shot_message_box() {  # <name> <program> [arguments...]
  local name=$1
  shift
  if wine "$SUITE_BUILD/settings/tests/boxsnap.exe" "$out/$name-box.bmp" "$out/$name.bmp" "$@"; then
    convert "$out/$name-box.bmp" "$out/$name-box.png"
    convert "$out/$name.bmp" "$out/$name.png"
    rm -f "$out/$name-box.bmp" "$out/$name.bmp"
    echo "  $out/$name-box.png"
    echo "  $out/$name.png"
  else
    echo "  $name: no screenshot" >&2
  fi
}

settings_machine 1 1
shot settings-full "$suite\\Nodwell.exe" /noinfo
settings_machine 0 1
shot settings-without-music "$suite\\Nodwell.exe" /noinfo
settings_machine 1 0
shot settings-battery-less "$suite\\Nodwell.exe" /noinfo
settings_machine 1 1
shot settings-german "$suite\\Nodwell.exe" /p:7 /s:1 /noinfo
settings_machine 1 1 InitializeDll
settings_shot_message_box settings-502 "$suite\\Nodwell.exe" /noinfo
settings_machine 1 1
test_shots "$SUITE_BUILD/settings/tests/settings_tests.exe" 'SettingsDialogTest.HighContrast*'
