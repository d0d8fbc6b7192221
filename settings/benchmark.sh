#!/usr/bin/env bash
# Start-up benchmark of the settings program: the time from process start (with /noinfo)
# until its dialog is visible and idle, as a ratio to a minimal dialog program measured in the
# same run under the same Wine.
#   settings/benchmark.sh [build folder] [runs]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${2:-15}
cd "$root"

"$root/scripts/install-deps.sh"
source "$root/scripts/wine-session.sh"

cmake -S "$root" -B "$build" --toolchain "$root/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
wine_session_start "$build"
cmake --build "$build" --target Nodwell Nodwell_de NodwellLib minimal_dialog startup_bench >/dev/null

# Only what the measured start needs: the program, its language module and the simulated
# library, where the program is installed.
suite='C:\Program Files (x86)\Corvane\Corvane Vezuv Uvodoza'
folder="$WINEPREFIX/drive_c/Program Files (x86)/Corvane/Corvane Vezuv Uvodoza"
mkdir -p "$folder/de-DE"
cp "$build/settings/Nodwell.exe" "$build/featurelib/NodwellLib.dll" "$folder/"
cp "$build/settings/de-DE/Nodwell.exe.mui" "$folder/de-DE/"

wine "$build/settings/bench/startup_bench.exe" "$runs" "$suite\\Nodwell.exe" /noinfo -- \
  "$build/settings/bench/minimal_dialog.exe"
