#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each for a bounded time from its seed corpus.
# Usage: scripts/fuzz.sh [seconds per target]   (default 20)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
scripts/install-deps.sh native >&2
command -v clang++ >/dev/null || scripts/install-deps.sh fuzz >&2
build=build/fuzz
cmake -S . -B "$build" -DZV_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target fuzz_command_line fuzz_setting_text >/dev/null
for target in command_line setting_text; do
  work=$(mktemp -d)
  echo "== fuzz_$target for ${seconds}s"
  # New inputs go to the scratch corpus; the committed seeds are only read.
  status=0
  "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work.crash-" "$work" "tests/fuzz/corpus/$target" \
    >"$work.log" 2>&1 || status=$?
  grep -E '^(Done|stat::number_of_executed_units|==[0-9]+==ERROR)|SUMMARY|runtime error' "$work.log" || true
  rm -rf "$work" "$work.log"
  [ "$status" -eq 0 ] || { echo "fuzz_$target failed" >&2; exit 1; }
done
echo "fuzzing: 2 passed, 0 failed"
