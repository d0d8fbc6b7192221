#!/usr/bin/env bash
# Start-up benchmark of the two dialog programs: the time from process start until the
# dialog is visible and idle, as ratios to two yardsticks measured in the same run under the
# same Wine: a minimal dialog program (one button), and the program's template's twin (its own
# dialog template, read from its file, shown by a dialog procedure that does nothing, built
# with the same manifest). First the settings program (with /noinfo), then the information
# program, each with where its start goes, then the ratios side by side.
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
    if suite_runs_x86 && suite_x86_installable; then variants=(x86 x64); fi
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
cmake --build "$build" --target minimal_dialog dialog_twin startup_bench >/dev/null

# Only what the measured starts need: the programs, their language modules and the simulated
# library, where the programs are installed.
suite=$SUITE_FOLDER
folder=$SUITE_FOLDER_LINUX
mkdir -p "$folder/de-DE"
cp "$build/settings/Nodwell.exe" "$build/info/NodwellInfo.exe" "$build/featurelib/NodwellLib.dll" "$folder/"
cp "$build/settings/de-DE/Nodwell.exe.mui" "$build/info/de-DE/NodwellInfo.exe.mui" "$folder/de-DE/"

# Prints the measurement of one program and keeps its ratio to each yardstick.
bench() {
  local program=$1 output
  output=$(wine "$build/settings/bench/startup_bench.exe" "$runs" "$@" \
    -- "$build/settings/bench/minimal_dialog.exe" -- "$build/settings/bench/DialogTwin.exe" "$program")
  echo "$output"
  to_minimal=$(echo "$output" | sed -n 's/^  ratio to minimal_dialog.exe //p')
  to_twin=$(echo "$output" | sed -n 's/^  ratio to DialogTwin.exe //p')
  # The twin's cost above the minimal dialog: the platform's, for the template's windows and the manifest.
  twin_to_minimal=$(echo "$output" | awk '$1 == "minimal_dialog.exe" {m = $2} $1 == "DialogTwin.exe" {t = $2}
                                          END {printf "%.2f", t / m}')
}
# One summary line: the program's ratios, and the twin's to the minimal dialog (medians).
summary() {
  printf '  %-20s %s x the minimal dialog, %s x its template'"'"'s twin (goal at most %s); the twin %s x the minimal dialog\n' \
    "$1" "$to_minimal" "$to_twin" "$2" "$twin_to_minimal"
}
bench "$suite\\Nodwell.exe" /noinfo
settings_line=$(summary "settings program" 1.2)
bench "$suite\\NodwellInfo.exe"
echo "start-up ratios ($SUITE_VARIANT, median of $runs, same run):"
echo "$settings_line"
summary "information program" 1.15
