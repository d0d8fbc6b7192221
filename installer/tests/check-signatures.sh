#!/usr/bin/env bash
# check-signatures.sh <trusted authorities> <setup> <installed folder>
# One row per PE file, the setup and every PE file of an installation: its signature verifies
# against the trusted authorities, and a copy with one byte changed does not. Fails when a row
# fails or the installation holds no uninstaller. Removes the installed folder, a copy made
# for this check, when done.
set -uo pipefail
trust=$1 setup=$2 installed=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch" "$installed"' EXIT

verifies() {
  osslsigncode verify -CAfile "$trust" -in "$1" >/dev/null 2>&1
}

# The copy differs in one byte of the DOS stub, which every PE has and its signature covers.
tampered_copy() {
  local byte
  byte=$(od -An -tu1 -j64 -N1 "$1" | tr -d ' ')
  cp "$1" "$scratch/tampered"
  printf "\\$(printf '%03o' $((byte ^ 0xff)))" | dd of="$scratch/tampered" bs=1 seek=64 conv=notrunc status=none
  echo "$scratch/tampered"
}

failed=0
check() {
  local file=$1 name=$2 signed=no tamper=accepted
  verifies "$file" && signed=yes
  verifies "$(tampered_copy "$file")" || tamper=rejected
  [ "$signed" = yes ] && [ "$tamper" = rejected ] || failed=1
  printf '%-8s %-10s %s\n' "$signed" "$tamper" "$name"
}

if [ ! -f "$installed/Uninstall.exe" ]; then
  echo "no uninstaller in $installed" >&2
  exit 1
fi
printf '%-8s %-10s %s\n' verified "1 byte off" file
check "$setup" "$(basename "$setup")"
while IFS= read -r -d '' file; do
  [ "$(head -c 2 "$file")" = MZ ] && check "$file" "${file#"$installed"/}"
done < <(find "$installed" -type f -print0 | sort -z)
exit "$failed"
