#!/usr/bin/env bash
# Start-up benchmark of the two dialog programs: the time from process start until the
# dialog is visible and idle, as a ratio to a minimal dialog program measured in the same run
# under the same Wine; first the settings program (with /noinfo), then the information program,
# then both ratios side by side.
#   settings/benchmark.sh [--variant x86|x64|all] [runs]
# With "all", every variant this machine runs, one after the other.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

source "$root/scripts/variant.sh"
args=("$@")
for ((i = 0; i < ${#args[@]}; i++)); do
  if [ "${args[$i]}" = "--variant=all" ] || { [ "${args[$i]}" = "--variant" ] && [ "${args[$((i + 1))]:-}" = all ]; }; then
    rest=()
    for ((j = 0; j < ${#args[@]}; j++)); do
      if [ "${args[$j]}" = "--variant=all" ]; then continue; fi
      if [ "${args[$j]}" = "--variant" ]; then j=$((j + 1)); continue; fi
      rest+=("${args[$j]}")
    done
    variants=(x64)
    if suite_runs_x86; then variants=(x86 x64); fi
    for variant in "${variants[@]}"; do
      "$0" --variant "$variant" "${rest[@]}"
    done
    exit 0
  fi
done

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

# Prints the measurement and keeps its ratio line for the summary.
bench() {
  local output
  output=$(wine "$build/settings/bench/startup_bench.exe" "$runs" "$@" -- "$build/settings/bench/minimal_dialog.exe")
  echo "$output"
  ratio=$(echo "$output" | sed -n 's/^  ratio //p')
}
bench "$suite\\Nodwell.exe" /noinfo
settings_ratio=$ratio
bench "$suite\\NodwellInfo.exe"
echo "ratios to the minimal dialog program ($SUITE_VARIANT, median of $runs): settings program $settings_ratio, information program $ratio"
