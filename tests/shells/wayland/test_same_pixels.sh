#!/usr/bin/env bash
# On one 800 x 600 output, zorvalite shows, pixel for pixel, what the headless shell draws for the
# same run: the program with its test hook (wayland_state_probe) is frozen at its first pass and
# again after 40 ticks of the 75 ms timer (the block has jumped, the reels are mid-spin), and a
# screenshot of the output (grim) is compared with the headless shell's picture of the state the
# probe reports. The real program's reels then move from screenshot to screenshot.
source "$(dirname "$0")/lib.sh"
wl_setup

# frozen NAME PROBE_OPTIONS...: freezes the probe and compares the output with its picture.
frozen() {
  local name=$1 out=$TEST_TMP/$1 wrong state
  shift
  run_start "$ZV_WAYLAND_PROBE" --out "$out" "$@"
  for _ in $(seq 400); do state=$(find "$out" -name state 2>/dev/null | head -n1); [ -n "$state" ] && break; sleep 0.05; done
  [ -n "$state" ] || fail "$name: the probe did not reach its state: $(run_log)"
  sleep 0.3
  wl_shot HEADLESS-1 "$out/screen.png"
  wrong=$(differ "$out/screen.png" "$(dirname "$state")/expected.png")
  [ "$wrong" = 0 ] || fail "$name: $wrong pixels differ from the headless shell's picture ($out)"
  [ "$(state "$state" screen)" = 800x600 ] || fail "$name: the saver saw its output as $(state "$state" screen)"
  pass "$name: the output equals the headless shell's picture of $(tr '\n' ' ' <"$state")"
  kill -TERM "$RUN_PID"
  [ "$(run_wait_exit 5)" = 0 ] || fail "$name: the probe did not end on SIGTERM with status 0: $(run_log)"
  FROZEN_STATE=$state
}

frozen first --ticks 0
[ "$(state "$FROZEN_STATE" block)" = 10,10 ] || fail "the first pass shows the block at $(state "$FROZEN_STATE" block)"
frozen spin --ticks 40
[ "$(state "$FROZEN_STATE" block)" != 10,10 ] || fail "the display block has not jumped from (10, 10)"

run_start "$ZV_ZORVALITE"
sleep 1
pictures=()
for i in $(seq -w 1 12); do
  wl_shot HEADLESS-1 "$TEST_TMP/shot$i.png"
  wl_is_block "$TEST_TMP/shot$i.png" || fail "shot $i: what is not black ($(lit "$TEST_TMP/shot$i.png")) is not a display block"
  pictures+=("$("$CONVERT" "$TEST_TMP/shot$i.png" rgb:- | md5sum | cut -c1-32)")
  sleep 0.25
done
distinct=$(printf '%s\n' "${pictures[@]}" | sort -u | wc -l)
[ "$distinct" -ge 4 ] || fail "only $distinct different pictures in 12 shots: the reels do not move"
pass "the reels move: $distinct different pictures in 12 shots, each within a 130 x 68 block"
