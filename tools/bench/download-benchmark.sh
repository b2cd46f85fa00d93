#!/bin/bash
# The download benchmark: the installer's download worker and a bare WinINet
# loop (both under the same wine) and curl (native) fetch the same 256 MiB
# package from the local deployment in the same run, taking turns, three
# times each. The headline is installer / bare WinINet: wine's TLS reads, not
# the network, bound a WinINet client here, so curl is no anchor for it.
# Called by ./lumo bench with the wine harness up; appends its rows to
# $LUMO_BENCH_TABLE when set.
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
package=$base/package/lumo-package.exe
wine() { HOME=$WINEPREFIX.home /usr/lib/wine/wine64 "$@"; }

# Each line gives its MB/s as the field after "MB/s".
speed() { awk '{ for (i = 1; i < NF; ++i) if ($i == "MB/s") print $(i + 1) }'; }
installer=() bare=() native=()
for _ in 1 2 3; do
  installer+=("$(wine "$win64/tools/bench/download_benchmark.exe" "$host" "$host" | speed)")
  bare+=("$(wine "$win64/tools/bench/bare_download.exe" "$package" | speed)")
  native+=("$(curl -s -o /dev/null --cacert "$win64/deployment/ca.pem" -w '%{speed_download}' \
    "$package" | awk '{ printf "%.1f", $1 / 1e6 }')")
done

median() { printf '%s\n' "$@" | sort -g | sed -n 2p; }
spread() { printf '%s\n' "$@" | sort -g | tr '\n' ' '; }
i=$(median "${installer[@]}") b=$(median "${bare[@]}") c=$(median "${native[@]}")
printf 'download of 256 MiB, MB/s (three runs each, sorted)\n'
printf '  installer      %s\n  bare WinINet   %s\n  curl (native)  %s\n' \
  "$(spread "${installer[@]}")" "$(spread "${bare[@]}")" "$(spread "${native[@]}")"
awk -v i="$i" -v b="$b" -v c="$c" -v table="${LUMO_BENCH_TABLE:-/dev/null}" 'BEGIN {
  printf "installer / bare WinINet: %.2f\ninstaller / curl: %.2f\n", i / b, i / c
  printf "download, installer (MB/s)\t%.1f\tbare WinINet %.1f\t%.2f\n", i, b, i / b >>table
  printf "download, installer (MB/s)\t%.1f\tcurl, native %.1f\t%.2f\n", i, c, i / c >>table
}'
