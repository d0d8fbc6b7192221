#!/usr/bin/env bash
# Prints the debug log's cost per record under Wine: one dropped by the level filter, and one
# written to the kept-open log file. Builds the suite first (the variant's build folder and
# its Wine prefix).
#   menuglot/bench/log-bench.sh [--variant x86|x64] [records]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)

source "$root/scripts/wine-session.sh"
suite_select_variant "$@"
records=${SUITE_ARGS[0]:-20000}
suite_prepare >/dev/null

work="$WINEPREFIX/drive_c/logbench"
rm -rf "$work"
mkdir -p "$work"
cp "$SUITE_BUILD/menuglot/Common/DebugLog/tests/logprobe.exe" "$work/"
# The log reads its settings beside the program: level 0 keeps errors, drops traces.
printf '[LOG]\r\nDestination=2\r\nLevel=0\r\nTimeDateFormat=1\r\nLogFile=C:\\logbench\\log.txt\r\n' >"$work/DbgLog.ini"
wine "$work/logprobe.exe" bench "$records"
rm -rf "$work"
