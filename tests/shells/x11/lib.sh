# The X11 tests' helpers: source it from a bash test script (tests/shells/x11/test_*.sh). It adds
# to the shared ones (../lib.sh: run_start, run_wait_exit, wait_file, lit, differ, state, pass,
# fail...) a private Xvfb and its screenshots.
#
#   source "$(dirname "$0")/lib.sh"
#   x11_setup                        # private Xvfb on a free display; TEST_TMP, a scratch folder
#   run_start "$ZV_ZORVALITE" --root # a program in the background; sets RUN_PID
#   x11_shot root "$TEST_TMP/a.png"  # a screenshot of a window or of the whole screen
#
# Environment (CTest sets it): ZV_ZORVALITE the program, ZV_X11_PROBE the program with its test
# hook (x11_state_probe.cpp here), ZV_X_HOST a window of another program, ZV_X_CURSOR the
# cursor probe, ZV_BUILD_DIR the native build. Teardown ends the Xvfb last.

source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/../lib.sh"
X11_XVFB_PID=""

# x11_setup [XVFB_OPTIONS...]: starts a private Xvfb on a display number the server finds free
# (other checkouts' tests may run at the same time) and exports DISPLAY.
x11_setup() {
  local program
  for program in "${ZV_ZORVALITE:-}" "${ZV_X11_PROBE:-}"; do
    [ -x "$program" ] || fail "the programs under test are not built (ZV_ZORVALITE, ZV_X11_PROBE): run it through ctest"
  done
  command -v Xvfb >/dev/null || fail "Xvfb is not installed: run scripts/install-deps.sh x11"
  test_folder x11
  start_xvfb "$TEST_TMP" 1024x768 "$@" || fail "no virtual display"
  X11_XVFB_PID=$XVFB_PID
  log "display $DISPLAY"
}

# x11_shot WINDOW|root FILE: a PNG of the window (or the whole screen).
x11_shot() { import -window "$1" "png:$2" 2>/dev/null || fail "screenshot of $1 failed"; }

stop_server() {
  if [ -n "$X11_XVFB_PID" ]; then
    kill -TERM "$X11_XVFB_PID" 2>/dev/null
    wait "$X11_XVFB_PID" 2>/dev/null
  fi
}
