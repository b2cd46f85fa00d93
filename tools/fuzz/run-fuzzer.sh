#!/bin/bash
# Runs a libFuzzer target for a bounded time and fails when it finds an input
# that crashes it or trips a sanitizer; the input is kept as an artifact.
#   run-fuzzer.sh FUZZER SEEDS SECONDS [libFuzzer options...]
# New inputs go to a corpus beside the fuzzer, so the committed SEEDS stay as
# they are and later runs start from what earlier ones found.
set -euo pipefail
fuzzer=$1 seeds=$2 seconds=$3
shift 3
work=$(dirname "$fuzzer")/fuzz-runs/$(basename "$fuzzer")
mkdir -p "$work/corpus" "$work/artifacts"
exec "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$work/artifacts/" "$@" "$work/corpus" "$seeds"
