#!/usr/bin/env bash
# Performance figures: the renderer's passes and the engine's ticks (Google Benchmark), and the
# simulator's speed in simulated seconds per real second.
# Usage: scripts/bench.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
scripts/install-deps.sh native >&2
build_preset native --target bench_draw_pass bench_engine zorvalite-sim >/dev/null
echo "machine: $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores"
build/native/bench/bench_draw_pass --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
build/native/bench/bench_engine --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
for spec in 0 1; do
  for paint in "" --paint; do
    start=$(date +%s.%N)
    "$ZV_SIM" --seconds 86400 --spec "$spec" --seed 1 $paint >/dev/null
    end=$(date +%s.%N)
    awk -v s="$start" -v e="$end" -v spec="$spec" -v paint="${paint:-no painting}" \
      'BEGIN { printf "zorvalite-sim, one simulated day, Spec %s, %s: %.2f s, %.0f simulated s per real s\n", spec, paint, e - s, 86400 / (e - s) }'
  done
done
