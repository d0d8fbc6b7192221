#!/usr/bin/env bash
# make-test-certificate.sh <folder>: a throwaway certificate authority and a code-signing
# certificate it issued, for signing a test build: <folder>/ca.pem (what the signature test
# trusts), <folder>/signing.p12 and its password in <folder>/signing.pass. Made once per
# folder and kept, so that files signed earlier still verify.
set -euo pipefail
folder=$1
[ -f "$folder/signing.p12" ] && [ -f "$folder/signing.pass" ] && [ -f "$folder/ca.pem" ] && exit 0
mkdir -p "$folder"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
days=3650
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/ca.key" -out "$work/ca.pem" -days "$days" \
  -subj "/CN=Corvane Test Signing Authority" \
  -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign,cRLSign" 2>/dev/null
openssl req -newkey rsa:2048 -nodes -keyout "$work/signing.key" -out "$work/signing.csr" \
  -subj "/CN=Corvane Test Code Signing" 2>/dev/null
printf 'basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n' >"$work/ext"
openssl x509 -req -in "$work/signing.csr" -CA "$work/ca.pem" -CAkey "$work/ca.key" -CAcreateserial \
  -days "$days" -extfile "$work/ext" -out "$work/signing.pem" 2>/dev/null
openssl rand -hex 16 >"$work/signing.pass"
openssl pkcs12 -export -inkey "$work/signing.key" -in "$work/signing.pem" -certfile "$work/ca.pem" \
  -passout "file:$work/signing.pass" -out "$work/signing.p12"
install -m 600 "$work/signing.pass" "$work/signing.p12" "$folder/"
install -m 644 "$work/ca.pem" "$folder/"
