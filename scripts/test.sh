#!/usr/bin/env bash
# Builds everything and runs every test: both Windows builds, the web page, the release of the
# commit checked out (scripts/release.sh, into dist/: what is not committed is not in it), the
# native build with its unit tests, the checks of the X11 display mode on Xvfb and of the Wayland
# mode on headless sway, the checks of the page in headless Chromium, Firefox and WebKitGTK, the
# checks of the real program under Wine (both builds; the pixel checks for the 64-bit one) and the
# checks of the release's files (reproducible, installed, run by the daemons); then the unit tests
# again under AddressSanitizer and UndefinedBehaviorSanitizer (scripts/sanitize.sh) and each fuzz
# target for 15 seconds (scripts/fuzz.sh). Installs the Debian packages it needs, and Wine's 32-bit
# Windows libraries. Prints the failures and the summaries (ctest's whole output goes to
# build/ctest.log and build/ctest-sanitize.log); exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

for what in native x11 wayland windows wine wine32 web fuzz release package; do bash scripts/install-deps.sh "$what"; done
build_preset windows-x86
build_preset windows-x64
build_preset web
# A release is made of a commit: from a source archive, without git, there is none to make or check.
release=()
if git rev-parse --verify -q HEAD >/dev/null 2>&1; then
  echo "== release"
  bash scripts/release.sh
  release=(-DZV_RELEASE_DIR="$ZV_ROOT/dist")
else
  echo "== no release: this is not a git checkout"
  release=(-DZV_RELEASE_DIR=)
fi
build_preset native -- "${release[@]}" -DZV_WINE_SCR="$(scr_path windows-x64)" -DZV_WINE_SCR32="$(scr_path windows-x86)" \
  -DZV_WINE_FAULT_SCR="$ZV_ROOT/build/windows-x64/tests/wine/fault_build/ZorvaliteFault.scr" \
  -DZV_WINE_FAULT_SCR32="$ZV_ROOT/build/windows-x86/tests/wine/fault_build/ZorvaliteFault.scr" \
  -DZV_WEB_DIR="$ZV_ROOT/build/web/page" -DZV_WEB_PROBE_DIR="$ZV_ROOT/build/web/probe-page"

echo "== ctest: unit tests two at a time, X11, Wayland, browser, Wine and release checks alone"
status=0
run_ctest native build/ctest.log -j2 || status=$?
[ "$status" -eq 0 ] || echo "Some tests failed (exit $status): see above and build/ctest.log" >&2

# The short forms: a failure here fails the run too, after every step has run.
bash scripts/sanitize.sh || status=1
bash scripts/fuzz.sh 15 || status=1
exit "$status"
