#!/usr/bin/env bash
# Measures the installed agent under Wine: memory after start beside that of a program that
# only keeps a hidden window and a message loop (IdleWindow.exe), CPU time and wake-ups while
# idle, and the time to handle one arrival with many USB devices listed beside the time the
# same device list costs alone. Not a test; CTest does not run it. Every Linux figure is read
# from /proc of the Windows program's own process (found by its name and this session's
# prefix), since Wine reports no CPU times for another process.
#   agent/bench/agent-bench.sh [--variant x86|x64] [idle seconds, default 60] [devices, default 1000]
# For a quick look: agent/bench/agent-bench.sh 5
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)

source "$root/scripts/wine-session.sh"
suite_select_variant "$@"
set -- "${SUITE_ARGS[@]}"
idle_seconds=${1:-60}
device_count=${2:-1000}
rounds=15

suite_prepare >/dev/null
cmake --build "$SUITE_BUILD" --target agent_bench idle_window >/dev/null
suite_install_into_prefix
agent="$SUITE_FOLDER_LINUX/NodwellSrv.exe"
bench="$SUITE_BUILD/agent/bench/AgentBench.exe"
yardstick="$SUITE_BUILD/agent/bench/IdleWindow.exe"
ticks_per_second=$(getconf CLK_TCK)

# The Linux process of the Windows program of this name running in this session's prefix;
# anything but exactly one ends the benchmark.
program_pid() {
  local pid found=()
  for pid in $(pgrep -x "$1"); do
    if tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX"; then found+=("$pid"); fi
  done
  if [ "${#found[@]}" -ne 1 ]; then
    echo "agent-bench: ${#found[@]} processes named $1 in $WINEPREFIX, expected one" >&2
    exit 1
  fi
  echo "${found[0]}"
}
# A field of /proc/<pid>/status in KiB.
status_kib() { awk -v field="$2:" '$1 == field {print $2}' "/proc/$1/status"; }
# utime + stime of all the process's threads, in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# Voluntary and involuntary context switches of all its threads: every wake-up counts.
wakeups() { cat /proc/"$1"/task/*/status | awk '/ctxt_switches/ {n += $2} END {print n}'; }
ms() { awk -v t="$1" -v hz="$ticks_per_second" 'BEGIN {printf "%.0f", t * 1000 / hz}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }

wine "$agent" </dev/null >/dev/null 2>&1 &
agent_launcher=$!
wine "$yardstick" </dev/null >/dev/null 2>&1 &
yardstick_launcher=$!
# The yardstick has no way to be asked to end: it ends by its process id.
yardstick_pid=""
trap 'wine "$agent" /u >/dev/null 2>&1; [ -z "$yardstick_pid" ] || kill "$yardstick_pid" 2>/dev/null
      wait "$agent_launcher" "$yardstick_launcher" 2>/dev/null || true; wine_session_stop' EXIT

wine "$bench" memory
wine "$bench" wait IdleWindow
agent_pid=$(program_pid NodwellSrv.exe)
yardstick_pid=$(program_pid IdleWindow.exe)
agent_anon=$(status_kib "$agent_pid" RssAnon)
yardstick_anon=$(status_kib "$yardstick_pid" RssAnon)
echo "Linux view after start (KiB):   resident   anonymous"
printf '  agent                         %8s    %8s\n' "$(status_kib "$agent_pid" VmRSS)" "$agent_anon"
printf '  hidden window and message loop%8s    %8s\n' "$(status_kib "$yardstick_pid" VmRSS)" "$yardstick_anon"
echo "  anonymous memory ratio $(ratio "$agent_anon" "$yardstick_anon") (goal at most 1.2)"
# Each thread costs its stack: say whose threads there are.
echo "  threads of the agent: $(cat /proc/"$agent_pid"/task/*/comm | tr '\n' ' ')"

cpu_before=$(cpu_ticks "$agent_pid")
wake_before=$(wakeups "$agent_pid")
sleep "$idle_seconds"
cpu_idle=$(( $(cpu_ticks "$agent_pid") - cpu_before ))
wake_idle=$(( $(wakeups "$agent_pid") - wake_before ))
echo "idle for ${idle_seconds} s: CPU time $(ms $cpu_idle) ms, $wake_idle context switches of its threads"

cpu_before=$(cpu_ticks "$agent_pid")
wine "$bench" arrival "$device_count" "$rounds"
cpu_arrivals=$(( $(cpu_ticks "$agent_pid") - cpu_before ))
echo "agent CPU time per arrival: $(ms $(( cpu_arrivals / rounds ))) ms (ratio goal at most 1.10)"
wine "$bench" memory
echo "Linux view after the arrivals: resident $(status_kib "$agent_pid" VmRSS) KiB, anonymous $(status_kib "$agent_pid" RssAnon) KiB"
