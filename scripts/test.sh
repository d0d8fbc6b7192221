#!/usr/bin/env bash
# Builds everything, signed with a throwaway test certificate, and runs every test under Wine,
# ending with CTest's summary.
#   test.sh [--variant x86|x64] [ctest arguments...]
# Without --variant: the 32-bit product where this machine runs 32-bit code, else the 64-bit
# variant.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

source "$root/scripts/wine-session.sh"
suite_select_variant "$@"
"$root/scripts/install-deps.sh" "$SUITE_VARIANT"
signing="$SUITE_BUILD/test-signing"
"$root/scripts/make-test-certificate.sh" "$signing"
suite_prepare -DSUITE_SIGNING_CERTIFICATE="$signing/signing.p12" \
              -DSUITE_SIGNING_PASSWORD_FILE="$signing/signing.pass" \
              -DSUITE_SIGNING_TRUST="$signing/ca.pem"
ctest --preset "$SUITE_PRESET" "${SUITE_ARGS[@]}"
