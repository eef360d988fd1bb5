#!/usr/bin/env bash
# Builds the native tests with AddressSanitizer and UndefinedBehaviorSanitizer (the `sanitize`
# preset, a Debug build) and runs all of them but the Wine and X11 checks (the X11 ones measure
# time and processor use, which the sanitizers inflate). Any sanitizer report fails the
# test it happens in: UBSan does not recover, ASan ends the program, and leaks count as errors.
# Each soak run covers SOAK_SECONDS of simulated saver time (default 600): the sanitizers slow
# the soak about eighty-fold, and the native suite already soaks two hours a run.
# Usage: scripts/sanitize.sh [SOAK_SECONDS]     (build output in build/build-sanitize.log)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
bash scripts/install-deps.sh native
build_preset sanitize

echo "== ctest sanitize"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ZV_SOAK_SECONDS=${1:-600}
status=0
run_ctest sanitize build/ctest-sanitize.log -j2 -LE 'wine|x11|wayland' || status=$?
[ "$status" -eq 0 ] || echo "sanitize: failures (exit $status): see above and build/ctest-sanitize.log" >&2
exit "$status"
