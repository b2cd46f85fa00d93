#!/bin/bash
# Makes the local deployment's test CA and its certificate for "localhost"
# in DIR, unless they are there already. Generated at run time, never
# committed: the key of a CA trusted by test prefixes must not be public.
#
#   make-certificates.sh DIR   -> DIR/ca.pem ca.der server.pem server.key
set -euo pipefail
dir=${1:?usage: make-certificates.sh DIR}
[ -f "$dir/server.pem" ] && [ -f "$dir/ca.der" ] && exit 0
mkdir -p "$dir"
cd "$dir"
umask 077
openssl req -x509 -newkey rsa:2048 -nodes -days 3650 -subj "/CN=Lumo local deployment CA" \
  -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign,cRLSign" \
  -keyout ca.key -out ca.pem 2>/dev/null
openssl req -newkey rsa:2048 -nodes -subj "/CN=localhost" -keyout server.key -out server.csr 2>/dev/null
printf 'subjectAltName=DNS:localhost\nbasicConstraints=CA:FALSE\nextendedKeyUsage=serverAuth\n' >server.ext
openssl x509 -req -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 3650 \
  -extfile server.ext -out server.pem 2>/dev/null
openssl x509 -in ca.pem -outform der -out ca.der
rm -f server.csr server.ext ca.srl
