#!/usr/bin/env bash
# Input on an output ends every saver: a key (wtype), a one-pixel pointer move, a click and a wheel
# turn (sway's "seat - cursor", once a virtual pointer gives the seat a pointer), each within 1 s,
# with status 0 and no process left; a button held down does not, and the pointer is hidden over
# the savers. A saver killed by a signal, or one whose key handler fails, ends the program with
# status 1 and one line. --window: an ordinary window that input does not end.
source "$(dirname "$0")/lib.sh"
wl_setup
swaymsg create_output >/dev/null && swaymsg output HEADLESS-2 resolution 640x480 position 800 0 >/dev/null

# start_saver OPTIONS...: zorvalite, its two savers drawing.
start_saver() {
  run_start "$ZV_ZORVALITE" "$@"
  wl_wait_savers 2 || fail "not one saver on each of the two outputs: $(run_log)"
  sleep 0.7
}
# ends_within_1s WHAT: the input just given ends it, and every saver, within 1 s.
ends_within_1s() {
  local start=$1 what=$2 code savers
  savers=$(wl_savers)
  code=$(run_wait_exit 1)
  [ "$code" = 0 ] || fail "$what: exit status $code (124: did not end within 1 s)"
  for pid in $savers; do kill -0 "$pid" 2>/dev/null && fail "$what: the saver $pid still runs"; done
  pass "ends on $what in $(awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.0f", 1000 * (b - a) }') ms or less, with both savers"
}

start_saver
start=$EPOCHREALTIME
wl_key || fail "wtype failed"
ends_within_1s "$start" "a key"

run_start "$ZV_WL_POINTER"
pointer_run=$RUN_NO
for _ in $(seq 50); do grep -q ready "$TEST_TMP/log.$pointer_run" && break; sleep 0.1; done
grep -q ready "$TEST_TMP/log.$pointer_run" || fail "no virtual pointer: $(run_log "$pointer_run")"
swaymsg seat - cursor set 400 300 >/dev/null

start_saver
start=$EPOCHREALTIME
swaymsg seat - cursor move 1 0 >/dev/null
ends_within_1s "$start" "a one-pixel pointer move"

# The pointer shows over the desktop (sway draws it into the output's picture); over a saver it is
# hidden: the probe frozen at its first pass shows exactly the headless shell's picture. A button
# pressed and held ends nothing; its release, the click, does.
wl_background
wl_shot HEADLESS-1 "$TEST_TMP/desktop.png"
[ "$(wl_uncovered "$TEST_TMP/desktop.png")" -lt $((800 * 600)) ] || fail "no pointer shows over the desktop"
run_start "$ZV_WAYLAND_PROBE" --out "$TEST_TMP/first" --ticks 0
for _ in $(seq 200); do [ "$(find "$TEST_TMP/first" -name state 2>/dev/null | wc -l)" = 2 ] && break; sleep 0.05; done
sleep 0.3
wl_shot HEADLESS-1 "$TEST_TMP/hidden.png"
expected=$(grep -l '^screen=800x600' "$TEST_TMP"/first/output-*/state) || fail "the probe's saver of HEADLESS-1 reached no state"
[ "$(differ "$TEST_TMP/hidden.png" "$(dirname "$expected")/expected.png")" = 0 ] || fail "the pointer shows over the saver ($TEST_TMP/hidden.png)"
swaymsg seat - cursor press button1 >/dev/null
sleep 0.5
run_running || fail "a button pressed and held ended the saver"
start=$EPOCHREALTIME
swaymsg seat - cursor release button1 >/dev/null
ends_within_1s "$start" "a click (the press alone did not end it, and the pointer was hidden over it)"

start_saver
start=$EPOCHREALTIME
swaymsg seat - cursor press button5 >/dev/null && swaymsg seat - cursor release button5 >/dev/null
ends_within_1s "$start" "a wheel turn"

# A saver killed by a signal ends the others, and the program says so in one line, with status 1.
start_saver
kill -KILL "$(wl_savers | head -n1)"
[ "$(run_wait_exit 2)" = 1 ] || fail "a saver killed by a signal: the program did not end with status 1"
[ "$(run_log | wc -l)" = 1 ] && run_log | grep -q 'ended on signal 9' || fail "a saver killed by a signal: it wrote $(run_log)"
pass "a saver killed by a signal: status 1, one line: $(run_log)"

# A saver whose key handler fails (the probe's run-time error 6) reports it once and ends the
# program with status 1: the handler runs after libwayland's dispatch, not inside it.
run_start "$ZV_WAYLAND_FAILING"
wl_wait_savers 2 || fail "the failing probe: not one saver on each of the two outputs: $(run_log)"
sleep 0.7
wl_key || fail "wtype failed"
[ "$(run_wait_exit 2)" = 1 ] || fail "a failing key handler: the program did not end with status 1: $(run_log)"
[ "$(run_log | wc -l)" = 1 ] && run_log | grep -qx 'zorvalite: run-time error 6: Overflow' ||
  fail "a failing key handler: it wrote $(run_log)"
pass "a failing key handler: status 1, one line: $(run_log)"

run_start "$ZV_ZORVALITE" --window
sleep 1
swaymsg -t get_tree >"$TEST_TMP/tree.json"
grep -q '"app_id": "zorvalite"' "$TEST_TMP/tree.json" || fail "--window: no window of zorvalite"
grep -A40 '"app_id": "zorvalite"' "$TEST_TMP/tree.json" | grep -q '"fullscreen_mode": 0' ||
  grep -B40 '"app_id": "zorvalite"' "$TEST_TMP/tree.json" | grep -q '"fullscreen_mode": 0' || fail "--window is full screen"
wl_key
swaymsg seat - cursor move 5 5 >/dev/null
sleep 0.5
run_running || fail "--window ended on input: $(run_log)"
kill -TERM "$RUN_PID"
[ "$(run_wait_exit 5)" = 0 ] || fail "--window did not end on SIGTERM with status 0"
pass "--window: an ordinary window that input does not end"
