#!/usr/bin/env bash
# Start-up benchmark of the two dialog programs: the time from process start until the
# dialog is visible and idle, as a ratio to a minimal dialog program measured in the same run
# under the same Wine; first the settings program (with /noinfo), then the information program.
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

# Only what the measured starts need: the programs, their language modules and the simulated
# library, where the programs are installed.
suite=$SUITE_FOLDER
folder=$SUITE_FOLDER_LINUX
mkdir -p "$folder/de-DE"
cp "$build/settings/Nodwell.exe" "$build/info/NodwellInfo.exe" "$build/featurelib/NodwellLib.dll" "$folder/"
cp "$build/settings/de-DE/Nodwell.exe.mui" "$build/info/de-DE/NodwellInfo.exe.mui" "$folder/de-DE/"

bench() {
  wine "$build/settings/bench/startup_bench.exe" "$runs" "$@" -- "$build/settings/bench/minimal_dialog.exe"
}
bench "$suite\\Nodwell.exe" /noinfo
bench "$suite\\NodwellInfo.exe"
