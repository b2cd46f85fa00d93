#!/bin/bash
# The paint benchmark: a 61-control tree in a 580 x 360 window and a tree of
# real layouts and controls shaped like the main page; full paint,
# the repaint of one button, full layout and paint and the first paint of a
# new window, each beside an empty paint cycle of a plain window measured in
# the same run. Called by ./lumo bench with the wine harness up; appends its
# rows to $LUMO_BENCH_TABLE when set.
#
#   paint-benchmark.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: paint-benchmark.sh BUILD_DIR}
# The program runs under wine, where / is drive Z:.
table=${LUMO_BENCH_TABLE:+Z:${LUMO_BENCH_TABLE//\//\\}}
LUMO_BENCH_TABLE=$table "$build/win64/wine-run" "$build/win64/tests/ui/bench/paint_benchmark.exe"
