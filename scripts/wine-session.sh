# Sourced by the run, test, screenshot and benchmark scripts: a private Wine prefix under the
# variant's build folder and an Xvfb display for this run, both torn down when the calling
# script ends. Call suite_select_variant (variant.sh, sourced here) first.
#   suite_prepare [cmake -D options...]
#                            installs what is missing, builds the variant, starts the session
#   wine_session_start <build folder>
source "$(dirname "${BASH_SOURCE[0]}")/variant.sh"

wine_session_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then
    wineserver -k >/dev/null 2>&1 || true
  fi
  if [ -n "${SUITE_XVFB_PID:-}" ]; then
    kill "$SUITE_XVFB_PID" >/dev/null 2>&1 || true
    wait "$SUITE_XVFB_PID" 2>/dev/null || true
    SUITE_XVFB_PID=""
  fi
}

# Starts Xvfb on a free display and waits until it accepts clients.
start_xvfb() {
  local fd_file
  fd_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
  SUITE_XVFB_PID=$!
  for _ in $(seq 1 200); do
    if [ -s "$fd_file" ]; then break; fi
    if ! kill -0 "$SUITE_XVFB_PID" 2>/dev/null; then break; fi
    sleep 0.05
  done
  if [ ! -s "$fd_file" ]; then
    rm -f "$fd_file"
    echo "Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$(tr -d '[:space:]' <"$fd_file")"
  rm -f "$fd_file"
}

# Creates the prefix once per build folder: 64-bit, no .NET or browser-engine installers,
# Wine's fonts copied in, a virtual desktop by default so that windows get frames and captions,
# as large as the display so that the tallest dialog fits at 144 dpi.
create_prefix() {
  [ -f "$WINEPREFIX/.suite-prefix-ready" ] && return 0
  echo "Creating the Wine prefix $WINEPREFIX ..."
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  WINEDLLOVERRIDES="mscoree,mshtml=" wine wineboot.exe -i >/dev/null 2>&1
  wineserver -w
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.suite-prefix-ready"
}

wine_session_start() {
  export WINEPREFIX="$1/wineprefix"
  export WINEDEBUG=-all
  trap wine_session_stop EXIT
  # Every process of one wineserver must share its display: start the display first.
  start_xvfb
  wineserver -k >/dev/null 2>&1 || true
  create_prefix
  # A persistent server lets each test program start in a fraction of a second.
  wineserver -p
  wine_session_warm_up "$1"
}

wine_session_warm_up() {
  # Start Wine's system processes and its desktop now, with no pipe of a caller as their
  # output: started by a test instead, they would inherit its output and keep CTest waiting
  # for the end of it. The desktop ends when no program has a window on it, so a keeper
  # holds one for the session.
  wine cmd.exe /c exit 0 </dev/null >/dev/null 2>&1
  if [ -f "$1/testsupport/desktopkeeper.exe" ]; then
    wine "$1/testsupport/desktopkeeper.exe" </dev/null >/dev/null 2>&1 &
  fi
}

suite_prepare() {
  "$suite_root/scripts/install-deps.sh" "$SUITE_VARIANT"
  cmake --preset "$SUITE_PRESET" "$@" >/dev/null
  cmake --build --preset "$SUITE_PRESET"
  source "$SUITE_BUILD/variant.sh"
  # The suite's folder as its programs find it, in Windows' and in Linux's terms.
  SUITE_FOLDER="C:\\$SUITE_PROGRAM_FILES\\Corvane\\Corvane Vezuv Uvodoza"
  wine_session_start "$SUITE_BUILD"
  SUITE_FOLDER_LINUX="$WINEPREFIX/drive_c/$SUITE_PROGRAM_FILES/Corvane/Corvane Vezuv Uvodoza"
}

# Installs the built suite where its programs find one another: the prefix's Program Files.
suite_install_into_prefix() {
  cmake --install "$SUITE_BUILD" --prefix "$WINEPREFIX/drive_c/$SUITE_PROGRAM_FILES" >/dev/null
}
