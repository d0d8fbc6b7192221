#!/usr/bin/env bash
# Builds everything and runs every test under Wine, ending with CTest's summary.
#   test.sh [--variant x86|x64] [ctest arguments...]
# Without --variant: the 32-bit product where this machine runs 32-bit code, else the 64-bit
# variant.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

source "$root/scripts/wine-session.sh"
suite_select_variant "$@"
suite_prepare
ctest --preset "$SUITE_PRESET" "${SUITE_ARGS[@]}"
