#!/usr/bin/env bash
# Measures the installed agent under Wine: memory after start, CPU time and wake-ups while
# idle, and the time to handle one arrival with many USB devices listed. Not a test; CTest
# does not run it. CPU time is read from Linux (/proc), since Wine reports no CPU times for
# another process.
#   agent/bench/agent-bench.sh [--variant x86|x64] [idle seconds, default 60] [devices, default 1000]
# For a quick look: agent/bench/agent-bench.sh 5
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)

source "$root/scripts/wine-session.sh"
suite_select_variant "$@"
set -- "${SUITE_ARGS[@]}"
idle_seconds=${1:-60}
device_count=${2:-1000}
rounds=5

suite_prepare >/dev/null
cmake --build "$SUITE_BUILD" --target agent_bench >/dev/null
suite_install_into_prefix
agent="$SUITE_FOLDER_LINUX/NodwellSrv.exe"
bench="$SUITE_BUILD/agent/bench/AgentBench.exe"
ticks_per_second=$(getconf CLK_TCK)

# utime + stime of all the agent's threads, in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# Voluntary and involuntary context switches of all its threads: every wake-up counts.
wakeups() { cat /proc/"$1"/task/*/status | awk '/ctxt_switches/ {n += $2} END {print n}'; }
ms() { awk -v t="$1" -v hz="$ticks_per_second" 'BEGIN {printf "%.0f", t * 1000 / hz}'; }

wine "$agent" </dev/null >/dev/null 2>&1 &
agent_pid=$!
trap 'wine "$agent" /u >/dev/null 2>&1; wait $agent_pid 2>/dev/null; wine_session_stop' EXIT

wine "$bench" memory
sleep 1
echo "Linux view after start: $(grep -E 'VmRSS' /proc/$agent_pid/status | tr -s ' \t' ' '), $(grep -E 'RssAnon' /proc/$agent_pid/status | tr -s ' \t' ' ')"

cpu_before=$(cpu_ticks $agent_pid)
wake_before=$(wakeups $agent_pid)
sleep "$idle_seconds"
cpu_idle=$(( $(cpu_ticks $agent_pid) - cpu_before ))
wake_idle=$(( $(wakeups $agent_pid) - wake_before ))
echo "idle for ${idle_seconds} s: CPU time $(ms $cpu_idle) ms, $wake_idle context switches of its threads"

cpu_before=$(cpu_ticks $agent_pid)
wine "$bench" arrival "$device_count" "$rounds"
cpu_arrivals=$(( $(cpu_ticks $agent_pid) - cpu_before ))
echo "agent CPU time per arrival: $(ms $(( cpu_arrivals / rounds ))) ms"
wine "$bench" memory
