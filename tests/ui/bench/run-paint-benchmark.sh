#!/bin/bash
# Runs the paint benchmark of the 64-bit tree under wine on a private Xvfb
# display, with the test harness's prefix and wineserver. Build first
# (./lumo build).
set -euo pipefail
LUMO_ROOT=$(cd "$(dirname "$0")/../../.." && pwd)
BUILD=${LUMO_BUILD_DIR:-$LUMO_ROOT/build}
. "$LUMO_ROOT/tools/bootstrap/common.sh"
. "$LUMO_ROOT/tools/wine/harness.sh"
lumo_harness_up "$BUILD/win64" >/dev/null
"$BUILD/win64/wine-run" "$BUILD/win64/tests/ui/bench/paint_benchmark.exe"
