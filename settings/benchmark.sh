#!/usr/bin/env bash
# Start-up benchmark of the settings program: the time from process start (with /noinfo)
# until its dialog is visible and idle, as a ratio to a minimal dialog program measured in the
# same run under the same Wine.
#   settings/benchmark.sh [--variant x86|x64] [runs]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

source "$root/scripts/wine-session.sh"
suite_select_variant "$@"
runs=${SUITE_ARGS[0]:-15}
suite_prepare >/dev/null
build=$SUITE_BUILD
cmake --build "$build" --target minimal_dialog startup_bench >/dev/null

# Only what the measured start needs: the program, its language module and the simulated
# library, where the program is installed.
suite=$SUITE_FOLDER
folder=$SUITE_FOLDER_LINUX
mkdir -p "$folder/de-DE"
cp "$build/settings/Nodwell.exe" "$build/featurelib/NodwellLib.dll" "$folder/"
cp "$build/settings/de-DE/Nodwell.exe.mui" "$folder/de-DE/"

wine "$build/settings/bench/startup_bench.exe" "$runs" "$suite\\Nodwell.exe" /noinfo -- \
  "$build/settings/bench/minimal_dialog.exe"
