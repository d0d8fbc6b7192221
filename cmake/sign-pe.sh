#!/bin/sh
# sign-pe.sh [-t <timestamp server>] <osslsigncode> <PKCS#12 file> <password file> <description> <PE file>
# Signs the PE file in place with SHA-256 Authenticode, timestamped when a server is named.
set -eu
timestamp=""
if [ "$1" = -t ]; then
  timestamp=$2
  shift 2
fi
tool=$1 certificate=$2 password_file=$3 description=$4 file=$5
signed="$file.signing"
trap 'rm -f "$signed"' EXIT
set -- sign -pkcs12 "$certificate" -readpass "$password_file" -h sha256 -n "$description"
if [ -n "$timestamp" ]; then
  set -- "$@" -ts "$timestamp"
fi
if ! output=$("$tool" "$@" -in "$file" -out "$signed" 2>&1); then
  printf '%s\n' "$output" >&2
  echo "sign-pe.sh: signing $file failed" >&2
  exit 1
fi
mv -f "$signed" "$file"
