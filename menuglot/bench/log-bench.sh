#!/usr/bin/env bash
# Prints the debug log's cost per record under Wine: one dropped by the level filter, and one
# written to the kept-open log file. Builds the suite first (build/ and its Wine prefix).
#   menuglot/bench/log-bench.sh [records]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
records=${1:-20000}

source "$root/scripts/wine-session.sh"
suite_prepare "$root" >/dev/null

work="$WINEPREFIX/drive_c/logbench"
rm -rf "$work"
mkdir -p "$work"
cp "$root/build/menuglot/Common/DebugLog/tests/logprobe.exe" "$work/"
# The log reads its settings beside the program: level 0 keeps errors, drops traces.
printf '[LOG]\r\nDestination=2\r\nLevel=0\r\nTimeDateFormat=1\r\nLogFile=C:\\logbench\\log.txt\r\n' >"$work/DbgLog.ini"
wine "$work/logprobe.exe" bench "$records"
rm -rf "$work"
