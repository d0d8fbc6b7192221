#!/usr/bin/env bash
# Builds everything and runs every test under Wine, ending with CTest's summary.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

source "$root/scripts/wine-session.sh"
suite_prepare "$root"
ctest --preset mingw "$@"
