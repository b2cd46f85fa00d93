#!/bin/bash
# The download benchmark: the installer's download worker (under wine) and
# curl (native) fetch the same 256 MiB package from the local deployment in
# the same run. Called by ./lumo bench with the wine harness up.
#
#   download-benchmark.sh BUILD_DIR
set -euo pipefail
. "$(dirname "$0")/../deployment/start-deployment.sh"
build=${1:?usage: download-benchmark.sh BUILD_DIR}
win64=$build/win64
work=$build/bench-data
mkdir -p "$work"
[ -f "$work/package-256MiB.bin" ] || head -c 268435456 /dev/urandom >"$work/package-256MiB.bin"

lumo_start_deployment "$build" "$work/deployment.out" --package "$work/package-256MiB.bin"
trap 'kill $DEPLOYMENT_PID 2>/dev/null || true' EXIT
base=$DEPLOYMENT_URL
host=${base#https://}

installer=$(HOME=$WINEPREFIX.home /usr/lib/wine/wine64 "$win64/tools/bench/download_benchmark.exe" "$host" "$host")
curl_speed=$(curl -s -o /dev/null --cacert "$win64/deployment/ca.pem" -w '%{speed_download}' \
  "$base/package/lumo-package.exe")
echo "$installer"
awk -v line="$installer" -v curl="$curl_speed" 'BEGIN {
  split(line, f, " "); installer = f[7]; c = curl / 1e6;
  printf "curl MB/s %.1f\ninstaller / curl: %.2f\n", c, installer / c }'
