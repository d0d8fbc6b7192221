#!/usr/bin/env bash
# Builds everything and runs every test under Wine, ending with CTest's summary.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/scripts/install-deps.sh"
source "$root/scripts/wine-session.sh"

cmake --preset mingw >/dev/null
wine_session_start "$root/build"
cmake --build --preset mingw
ctest --preset mingw "$@"
