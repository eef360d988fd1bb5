#!/usr/bin/env bash
# --window-id: the saver draws into a window of another program as on a screen of that window's
# size, follows the window when it is resized (the window is painted black again and the block
# jumps within the new size), and ends quietly when the window is destroyed. The program runs with
# its test hook, frozen after 640 ticks of the 10 ms timer (about 10 s: at least one more jump of
# the block after the resize), and the window's picture is compared with the headless shell's.
# In a window smaller than the block (a daemon's small preview) the block shows scaled down to
# fit, and at the desktop's 192 DPI (Xft.dpi) in squares twice as large, each time as the
# headless shell draws it.
source "$(dirname "$0")/lib.sh"
x11_setup
[ -x "${ZV_X_HOST:-}" ] || fail "ZV_X_HOST does not name x_host_window"

# host_window W H: opens a window of another program; sets window and host_pid.
host_window() {
  local run
  run_start "$ZV_X_HOST" "$1" "$2"
  run=$RUN_NO host_pid=$RUN_PID
  for _ in $(seq 100); do grep -q '^0x' "$TEST_TMP/log.$run" && break; sleep 0.05; done
  window=$(grep -m1 '^0x' "$TEST_TMP/log.$run") || fail "x_host_window did not open its window"
}

# first_pass W H MIN_W MAX_W WHAT: the first pass in a W x H window equals the headless shell's
# picture, its digits between MIN_W and MAX_W pixels wide.
first_pass() {
  local out=$TEST_TMP/$1x$2 lit w_lit wrong
  host_window "$1" "$2"
  mkdir -p "$out"
  run_start "$ZV_X11_PROBE" --out "$out" --ticks 0 --window-id "$window"
  wait_file "$out/state" 30 || fail "the probe did not reach its state: $(run_log)"
  sleep 0.3
  x11_shot "$window" "$out/screen.png"
  lit=$(lit "$out/screen.png") w_lit=${lit%%x*}
  [ "$w_lit" -ge "$3" ] && [ "$w_lit" -le "$4" ] || fail "$5: digits $lit, not $3 to $4 pixels wide"
  wrong=$(differ "$out/screen.png" "$out/expected.png")
  [ "$wrong" = 0 ] || fail "$5: $wrong pixels differ from the headless shell's picture ($out)"
  kill -TERM "$RUN_PID"
  [ "$(run_wait_exit 5)" = 0 ] || fail "$5: no clean end"
  kill -TERM "$host_pid"
  pass "$5: digits at $lit, as the headless shell draws them"
}
first_pass 100 50 61 100 "a 100 x 50 window shows the block scaled down to fit"
echo "Xft.dpi: 192" | xrdb -nocpp -merge
first_pass 400 300 131 260 "at 192 DPI a 400 x 300 window shows the block twice as large"
xrdb -remove

host_window 640 480

out=$TEST_TMP/frozen
mkdir -p "$out"
run_start "$ZV_X11_PROBE" --out "$out" --ticks 640 --window-id "$window" --spec 1
probe_run=$RUN_NO
sleep 1
x11_shot "$window" "$TEST_TMP/before.png"
lit=$(lit "$TEST_TMP/before.png")
black=$("$CONVERT" "$TEST_TMP/before.png" -fill white +opaque black -negate -format '%[fx:mean]' info:)
awk -v b="$black" 'BEGIN { exit !(b >= 0.95) }' || fail "the window is not painted black ($black of it is)"
pass "draws into window $window: black with the digits at $lit"

xdotool windowsize "$window" 300 200
wait_file "$out/state" 60 || fail "the probe did not reach its state: $(run_log "$probe_run")"
sleep 0.3
x11_shot "$window" "$out/screen.png"
[ "$(state "$out/state" screen)" = 300x200 ] || fail "it sees the window as $(state "$out/state" screen), not 300x200"
IFS=, read -r left top <<<"$(state "$out/state" block)"
[ "$left" -le 170 ] && [ "$top" -le 132 ] || fail "the block jumped to ($left, $top), outside the 300 x 200 window"
wrong=$(differ "$out/screen.png" "$out/expected.png")
[ "$wrong" = 0 ] || fail "$wrong pixels differ from the headless shell's picture (screen.png, expected.png)"
pass "follows the resize to 300 x 200: block at ($left, $top), the window equal to the headless shell's picture"

kill -TERM "$host_pid"
code=$(run_wait_exit 5 "$probe_run")
[ "$code" = 0 ] || fail "exit status $code when its window was destroyed"
[ -z "$(run_log "$probe_run")" ] || fail "it wrote: $(run_log "$probe_run")"
pass "ends quietly, status 0, when the window is destroyed"
