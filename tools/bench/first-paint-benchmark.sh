#!/bin/bash
# Start to first paint: the 64-bit installer beside a bare Win32 program that
# opens one window, each started RUNS times (default 9) under the same wine
# in the same run; prints both medians and their ratio. Called by
# ./lumo bench with the wine harness up.
#
#   first-paint-benchmark.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?usage: first-paint-benchmark.sh BUILD_DIR [RUNS]}
runs=${2:-9}
win64=$build/win64
probe=$win64/tools/bench/first_paint_benchmark.exe

# The point: the middle of the installer's install button, the bare
# window's middle.
median() { "$win64/wine-run" "$probe" "$@" "$runs" | sed -n 's/^median \(.*\) ms$/\1/p'; }
installer=$(median "Z:$win64/app/LumoGameBrowserSetup.exe" BrowserPlugInstallWnd 290 248)
bare=$(median "Z:$win64/tools/bench/bare_window.exe" LumoBareWindow 290 180)
echo "start to first paint, median of $runs: installer $installer ms, bare window $bare ms"
awk -v a="$installer" -v b="$bare" 'BEGIN { printf "ratio installer / bare window: %.2f\n", a / b }'
