#!/usr/bin/env bash
# Started by an idle daemon: swayidle -w timeout 1 'zorvalite' starts it after one idle second
# (there is no input device to keep the session busy), and the reels show; a key ends it.
source "$(dirname "$0")/lib.sh"
# The saver swayidle started is no run of this script's: teardown kills swayidle first (it waits
# for its command, and starts it again when the session has been idle once more), then ends the
# savers it started.
idle_pid=""
cleanup() {
  [ -n "$idle_pid" ] || return 0
  local started saver
  started=$(pgrep -P "$idle_pid")
  kill -KILL "$idle_pid" 2>/dev/null
  for saver in $started; do end_processes "$saver" $(wl_savers "$saver"); done
}
pid=""
wl_setup

run_start swayidle -w timeout 1 "exec $ZV_ZORVALITE"
idle_run=$RUN_NO idle_pid=$RUN_PID
for _ in $(seq 100); do
  pid=$(pgrep -f -x "$ZV_ZORVALITE" | head -n1)
  [ -n "$pid" ] && break
  sleep 0.1
done
[ -n "$pid" ] || fail "swayidle did not start zorvalite: $(run_log "$idle_run")"
shown=""
for i in $(seq 20); do
  sleep 0.25
  wl_shot HEADLESS-1 "$TEST_TMP/idle$i.png"
  if wl_is_block "$TEST_TMP/idle$i.png"; then shown=$(lit "$TEST_TMP/idle$i.png"); break; fi
done
[ -n "$shown" ] || fail "the reels do not show (last: $(lit "$TEST_TMP/idle$i.png"))"
pass "swayidle started zorvalite (pid $pid) after one idle second; the reels show at $shown"
wl_key
for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
kill -0 "$pid" 2>/dev/null && fail "a key did not end the saver that swayidle started"
pass "a key ends it"
