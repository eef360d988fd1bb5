# What the X11 and Wayland checks (tests/shells/x11, tests/shells/wayland) share: each one's lib.sh
# sources it and adds its own display server. A test script then has
#
#   run_start PROGRAM ARGS...        # a program in the background; sets RUN_PID and RUN_NO
#   code=$(run_wait_exit 5)          # its exit status (124: still running, then ended)
#   run_log; run_running             # what it wrote; true while it runs
#   wait_file FILE [SECONDS=20]      # waits until the file exists
#   lit FILE; differ A B; state FILE KEY   # a picture's lit box, two pictures' differing pixels,
#                                    # a value of the state file a probe wrote
#   pass "what held"                 # or: fail "why" (exits 1; teardown runs from the trap), skip
#
# Call run_start and fail in the test's own shell, not in $(...). TEST_TMP is the test's scratch
# folder (made by test_folder). Teardown (on any exit) calls the test's `cleanup` when it defines
# one, ends what run_start started and what that started, by PID, then the display server (the lib's stop_server); a
# failed test keeps its screenshots and logs in TEST_TMP and says so.

set -u

source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/../../scripts/lib.sh"
CONVERT=/usr/bin/convert
TEST_NAME=$(basename "$0" .sh)
TEST_TMP=""
RUN_PID=""
RUN_NO=0

log() { echo "[$TEST_NAME] $*" >&2; }
pass() { log "ok: $*"; }
fail() { log "FAIL: $*"; exit 1; }
skip() { log "skipped: $*"; exit 77; }

# test_folder KIND: makes TEST_TMP (/tmp/zv-KIND-TEST.XXXXXX) and sets the traps of teardown.
test_folder() {
  trap teardown EXIT
  trap 'exit 130' INT TERM
  TEST_TMP=$(mktemp -d "/tmp/zv-$1-$TEST_NAME.XXXXXX")
}

# run_start PROGRAM ARGS...: runs it in the background, its output in $TEST_TMP/log.RUN; sets
# RUN_NO (the number of this run) and RUN_PID. Bash starts background programs with SIGINT
# ignored; run them through `env --default-signal=INT` to test SIGINT.
run_start() {
  bg_start "$TEST_TMP" "$TEST_TMP/log.$((BG_RUN + 1))" "$@"
  RUN_NO=$BG_RUN
  RUN_PID=$BG_PID
}
# run_log [RUN]: what that run (default: the last) wrote.
run_log() { cat "$TEST_TMP/log.${1:-$RUN_NO}"; }
# run_running [RUN]: true while that run (default: the last) still runs.
run_running() { bg_running "$TEST_TMP" "${1:-$RUN_NO}"; }
# run_wait_exit [SECONDS=10] [RUN]: waits for that run (default: the last) to end and prints its
# exit status; if it still runs after SECONDS it is ended and 124 is printed.
run_wait_exit() { bg_wait_exit "$TEST_TMP" "${1:-10}" "${2:-$RUN_NO}"; }

# end_processes PID...: ends processes a test started in another way than run_start: SIGTERM,
# then after 2 s SIGKILL for those still there.
end_processes() {
  local deadline=$((SECONDS + 2)) pid
  kill -TERM "$@" 2>/dev/null
  for pid in "$@"; do
    while kill -0 "$pid" 2>/dev/null && [ "$SECONDS" -le "$deadline" ]; do sleep 0.05; done
    kill -KILL "$pid" 2>/dev/null
  done
}

# end_runs: ends every run still going and the processes it started (a display mode's savers),
# killing within 2 s what does not end, then waits for the runs' watchers.
end_runs() {
  local run pids=()
  for ((run = 1; run <= RUN_NO; run++)); do
    run_running "$run" || continue
    pids+=("$(cat "$TEST_TMP/pid.$run")")
    pids+=($(pgrep -P "${pids[-1]}"))
  done
  [ ${#pids[@]} -eq 0 ] || end_processes "${pids[@]}"
  bg_end_all "$TEST_TMP"
}

# wait_file FILE [SECONDS=20]: waits until the file exists.
wait_file() {
  local deadline=$((SECONDS + ${2:-20}))
  while [ ! -e "$1" ] && [ "$SECONDS" -le "$deadline" ]; do sleep 0.05; done
  [ -e "$1" ]
}

# lit FILE: the box around what is not black, as WxH+X+Y (0x0+... when all is black).
lit() { "$CONVERT" "$1" -format '%@' info: 2>/dev/null; }
# differ A B: how many pixels of two pictures differ.
differ() { /usr/bin/compare -metric AE "$1" "$2" null: 2>&1; }
# state FILE KEY: a value of a state file written by a probe.
state() { sed -n "s/^$2=//p" "$1"; }

teardown() {
  local status=$?
  trap - EXIT INT TERM
  if declare -F cleanup >/dev/null; then cleanup; fi
  [ -z "$TEST_TMP" ] || end_runs
  stop_server
  if [ -n "$TEST_TMP" ]; then
    if [ "$status" -eq 0 ] || [ "$status" -eq 77 ]; then
      rm -rf "$TEST_TMP"
    else
      log "kept screenshots and logs in $TEST_TMP"
    fi
  fi
  exit "$status"
}
