# Screenshots of the information program (sourced by scripts/screenshots.sh): normal mode, as
# the settings program opens it, and setup mode, as the background agent opens it, also in
# German, and both in high contrast. snapwindow puts each argument in double quotes; the closing "/" keeps that quote
# out of the last option, which is then still read exactly.
shot info-normal "$suite\\NodwellInfo.exe"
shot info-setup "$suite\\NodwellInfo.exe" /setup
shot info-setup-german "$suite\\NodwellInfo.exe" /setup /p:7 /s:1
shot info-normal-german "$suite\\NodwellInfo.exe" /p:7 /s:1
test_shots "$SUITE_BUILD/info/tests/info_window_tests.exe" 'InfoDialog.HighContrast*'
