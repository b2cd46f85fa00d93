#!/bin/bash
# The paint benchmark: a 61-control tree in a 580 x 360 window, and a tree of
# real layouts and controls shaped like the installer's main page; full
# layout and paint, full paint and the repaint of one button, each beside one
# BitBlt of the client area measured in the same run. Called by ./lumo bench with
# the wine harness up.
#
#   paint-benchmark.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: paint-benchmark.sh BUILD_DIR}
"$build/win64/wine-run" "$build/win64/tests/ui/bench/paint_benchmark.exe"
