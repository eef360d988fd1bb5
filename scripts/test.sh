#!/usr/bin/env bash
# Builds everything and runs every test: both Windows builds, the native build with its unit
# tests, the checks of the X11 display mode on Xvfb, and the checks of the real program under Wine
# (both builds; the pixel checks for the 64-bit one); then the unit tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer (scripts/sanitize.sh) and each fuzz target for 15
# seconds (scripts/fuzz.sh). Installs the Debian packages it needs, and Wine's 32-bit Windows
# libraries. Prints the failures and the summaries (ctest's whole output goes to build/ctest.log
# and build/ctest-sanitize.log); exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

for what in native x11 windows wine wine32 fuzz; do bash scripts/install-deps.sh "$what"; done
mkdir -p build

build() {  # build PRESET [cmake options...]
  local preset=$1 log=build/build-$1.log
  shift
  echo "== build $preset"
  if ! { cmake --preset "$preset" "$@" && cmake --build --preset "$preset" -j2; } >"$log" 2>&1; then
    cat "$log"
    exit 1
  fi
}
build windows-x86
build windows-x64
build native -DZV_WINE_SCR="$PWD/build/windows-x64/src/platform/win32/Zorvalite.scr" \
             -DZV_WINE_SCR32="$PWD/build/windows-x86/src/platform/win32/Zorvalite.scr" \
             -DZV_WINE_FAULT_SCR="$PWD/build/windows-x64/tests/wine/fault_build/ZorvaliteFault.scr" \
             -DZV_WINE_FAULT_SCR32="$PWD/build/windows-x86/tests/wine/fault_build/ZorvaliteFault.scr"

echo "== ctest: unit tests two at a time, Wine tests alone"
set +e
ctest --preset native -j2 2>&1 | tee build/ctest.log | grep -Ev '^ +Start +[0-9]+:|Test +#[0-9]+: .* Passed '
status=${PIPESTATUS[0]}
[ "$status" -eq 0 ] || echo "Some tests failed (exit $status): see above and build/ctest.log" >&2

# The short forms: a failure here fails the run too, after every step has run.
bash scripts/sanitize.sh || status=1
bash scripts/fuzz.sh 15 || status=1
exit "$status"
