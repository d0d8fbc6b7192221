# Setup pages for scripts/screenshots.sh: the pages of an install on a simulated machine
# with the charge feature, and the refusal a machine without the simulated driver gets.
setup="$SUITE_BUILD/installer/CorvaneVezuvUvodozaSetup.exe"
if wine "$SUITE_BUILD/installer/setuppages.exe" "$out" "$setup" >/dev/null; then
  for page in welcome progress finish; do
    convert "$out/setup-$page.bmp" "$out/setup-$page.png"
    rm -f "$out/setup-$page.bmp"
    echo "  $out/setup-$page.png"
  done
else
  echo "  setup pages: no screenshots" >&2
fi
shot setup-refused "$setup"
