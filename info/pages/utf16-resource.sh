#!/bin/sh
# Turns a readable UTF-8 page into the form the information program's HTML resources take:
# UTF-16 little-endian with a byte-order mark, which its loader recognises by the first unit.
#   utf16-resource.sh <UTF-8 source> <resource file>
set -eu
src=$1
dst=$2
tmp="$dst.tmp"
# A mark already in the source would end up as a second one after ours.
if [ "$(head -c 3 "$src" | od -An -tx1 | tr -d ' ')" = "efbbbf" ]; then
  echo "$src: remove the UTF-8 byte-order mark" >&2
  exit 1
fi
printf '\377\376' >"$tmp"
iconv -f UTF-8 -t UTF-16LE "$src" >>"$tmp" || { rm -f "$tmp"; exit 1; }
mv "$tmp" "$dst"
