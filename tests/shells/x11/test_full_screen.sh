#!/usr/bin/env bash
# With no option: a full-screen black window of its own, the pointer hidden over it; it ends on a
# key, on a click, on a wheel turn and on a one-pixel pointer move, but not on the pointer position it learns when
# the window appears. --window: an ordinary window that keeps running through input.
source "$(dirname "$0")/lib.sh"
x11_setup
[ -x "${ZV_X_CURSOR:-}" ] || fail "ZV_X_CURSOR does not name the cursor probe"

# start_saver [OPTIONS...]: starts it with the pointer resting mid-screen; sets w to its window.
start_saver() {
  xdotool mousemove 600 500
  run_start "$ZV_ZORVALITE" "$@"
  for _ in $(seq 100); do
    w=$(xdotool search --onlyvisible --name '^Zorvalite$' 2>/dev/null | head -n1)
    [ -n "$w" ] && break
    sleep 0.05
  done
  [ -n "$w" ] || fail "no window named Zorvalite"
  sleep 0.5
  run_running || fail "it ended by itself: $(run_log)"
}

expect_end() {
  local code
  code=$(run_wait_exit 5)
  [ "$code" = 0 ] || fail "$1: exit status $code (124: did not end)"
  pass "ends on $1"
}

cursor_before=$("$ZV_X_CURSOR") || fail "cursor probe failed"
start_saver
eval "$(xdotool getwindowgeometry --shell "$w")"
[ "$X,$Y,$WIDTH,$HEIGHT" = "0,0,1024,768" ] || fail "window at $X,$Y size ${WIDTH}x$HEIGHT, not the whole screen"
x11_shot root "$TEST_TMP/saver.png"
lit=$(lit "$TEST_TMP/saver.png")
w_lit=${lit%%x*} h_lit=${lit#*x} && h_lit=${h_lit%%+*}
[ "$w_lit" -gt 0 ] && [ "$w_lit" -le 130 ] && [ "$h_lit" -le 68 ] || fail "the screen is not black around a display block ($lit)"
cursor=$("$ZV_X_CURSOR")
[ "$cursor" = 0 ] || fail "the pointer shows $cursor pixels over the saver (before: $cursor_before)"
pass "a black full-screen window, digits within $lit, the pointer hidden ($cursor_before visible pixels before)"
xdotool key a
expect_end "a key press"

start_saver
xdotool click 1
expect_end "a click"

start_saver
xdotool click 5
expect_end "a wheel turn"

start_saver
xdotool mousemove_relative 1 0
expect_end "a one-pixel move"

start_saver --window
eval "$(xdotool getwindowgeometry --shell "$w")"
[ "$WIDTH,$HEIGHT" = "640,480" ] || fail "--window opened ${WIDTH}x$HEIGHT, not 640x480"
xdotool mousemove --window "$w" 100 100 mousemove_relative 5 5 click 1 key a
sleep 0.5
run_running || fail "--window ended on input"
kill -TERM "$RUN_PID"
[ "$(run_wait_exit 5)" = 0 ] || fail "--window did not end on SIGTERM with status 0"
pass "--window: a 640 x 480 window that input does not end"
