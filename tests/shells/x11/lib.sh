# Shared helpers of the X11 tests: source it from a bash test script (tests/shells/x11/test_*.sh).
#
#   source "$(dirname "$0")/lib.sh"
#   x11_setup                        # private Xvfb on a free display; X11_TMP, a scratch folder
#   x11_start "$ZV_ZORVALITE" --root # a program in the background; sets X11_PID
#   code=$(x11_wait_exit 5)          # its exit status (124: still running, then ended)
#   x11_shot root "$X11_TMP/a.png"   # a screenshot of a window or of the whole screen
#   pass "what held"                 # or: fail "why" (exits 1; teardown runs from the trap)
#
# Call x11_start and fail in the test's own shell, not in $(...).
# Environment (CTest sets it): ZV_ZORVALITE the program, ZV_X11_PROBE the program with its test
# hook (x11_state_probe.cpp here), ZV_X_HOST a window of another program, ZV_X_CURSOR the
# cursor probe, ZV_BUILD_DIR the native build.
# Teardown (on any exit) ends what the test started, by PID, then the Xvfb; a failed test keeps
# its screenshots and logs in $X11_TMP and says so.

set -u

source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/../../../scripts/lib.sh"
CONVERT=/usr/bin/convert
X11_TEST_NAME=$(basename "$0" .sh)
X11_TMP=""
X11_PID=""
X11_RUN=0
X11_XVFB_PID=""

log() { echo "[$X11_TEST_NAME] $*" >&2; }
pass() { log "ok: $*"; }
fail() { log "FAIL: $*"; exit 1; }
skip() { log "skipped: $*"; exit 77; }

# x11_setup [XVFB_OPTIONS...]: starts a private Xvfb on a display number the server finds free
# (other checkouts' tests may run at the same time) and exports DISPLAY.
x11_setup() {
  local program
  for program in "${ZV_ZORVALITE:-}" "${ZV_X11_PROBE:-}"; do
    [ -x "$program" ] || fail "the programs under test are not built (ZV_ZORVALITE, ZV_X11_PROBE): run it through ctest"
  done
  command -v Xvfb >/dev/null || fail "Xvfb is not installed: run scripts/install-deps.sh x11"
  trap x11_teardown EXIT
  trap 'exit 130' INT TERM
  X11_TMP=$(mktemp -d "/tmp/zv-x11-$X11_TEST_NAME.XXXXXX")
  start_xvfb "$X11_TMP" 1024x768 "$@" || fail "no virtual display"
  X11_XVFB_PID=$XVFB_PID
  log "display $DISPLAY"
}

# x11_start PROGRAM ARGS...: runs it in the background, its output in $X11_TMP/log.RUN; sets
# X11_RUN (the number of this run) and X11_PID. Bash starts background programs with SIGINT
# ignored; run them through `env --default-signal=INT` to test SIGINT.
x11_start() {
  bg_start "$X11_TMP" "$X11_TMP/log.$((BG_RUN + 1))" "$@"
  X11_RUN=$BG_RUN
  X11_PID=$BG_PID
}

# x11_log [RUN]: what that run (default: the last) wrote.
x11_log() { cat "$X11_TMP/log.${1:-$X11_RUN}"; }

# x11_running [RUN]: true while that run (default: the last) still runs.
x11_running() { bg_running "$X11_TMP" "${1:-$X11_RUN}"; }

# x11_wait_exit [SECONDS=10] [RUN]: waits for that run (default: the last) to end and prints its
# exit status; if it still runs after SECONDS it is ended and 124 is printed.
x11_wait_exit() { bg_wait_exit "$X11_TMP" "${1:-10}" "${2:-$X11_RUN}"; }

# x11_wait_file FILE [SECONDS=20]: waits until the file exists.
x11_wait_file() {
  local deadline=$((SECONDS + ${2:-20}))
  while [ ! -e "$1" ] && [ "$SECONDS" -le "$deadline" ]; do sleep 0.05; done
  [ -e "$1" ]
}

# x11_shot WINDOW|root FILE: a PNG of the window (or the whole screen).
x11_shot() { import -window "$1" "png:$2" 2>/dev/null || fail "screenshot of $1 failed"; }

# x11_lit FILE: the box around what is not black, as WxH+X+Y (0x0+... when all is black).
x11_lit() { "$CONVERT" "$1" -format '%@' info: 2>/dev/null; }

# x11_differ A B: how many pixels of two pictures differ.
x11_differ() { /usr/bin/compare -metric AE "$1" "$2" null: 2>&1; }

# x11_state FILE KEY: a value of a state file written by the probe.
x11_state() { sed -n "s/^$2=//p" "$1"; }

# A test that starts more than lib.sh knows of defines x11_cleanup; teardown calls it first.
x11_teardown() {
  local status=$?
  trap - EXIT INT TERM
  if declare -F x11_cleanup >/dev/null; then x11_cleanup; fi
  [ -z "$X11_TMP" ] || bg_end_all "$X11_TMP"
  if [ -n "$X11_XVFB_PID" ]; then
    kill -TERM "$X11_XVFB_PID" 2>/dev/null
    wait "$X11_XVFB_PID" 2>/dev/null
  fi
  if [ -n "$X11_TMP" ]; then
    if [ "$status" -eq 0 ] || [ "$status" -eq 77 ]; then
      rm -rf "$X11_TMP"
    else
      log "kept screenshots and logs in $X11_TMP"
    fi
  fi
  exit "$status"
}
