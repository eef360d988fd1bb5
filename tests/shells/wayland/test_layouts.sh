#!/usr/bin/env bash
# Every output is covered whatever its shape, and stays covered as it changes. On a pure blue
# desktop (any blue pixel is desktop no saver covers), with the probe frozen after 40 ticks:
#   - a portrait output (transform 90) beside a landscape one;
#   - outputs at scale 3, at transform 270 and at scale 1.5 side by side;
# each output is wholly covered, and each saver whose scale is whole shows, pixel for pixel, the
# headless shell's picture of its state on a screen of its output's turned, logical size. Then, the
# probe still frozen, the landscape output is turned (transform 90), scaled to 2 at the same mode,
# and given a mode twice as large at scale 2: after each change, within 2 s, it is covered and shows
# the whole block, at the new scale, moved inside where it no longer fitted.
# sway 1.7's headless outputs scan a full-screen client's buffer out directly, and then leave what
# the output shows stale while another, turned output is rendered beside it; no screen can scan a
# shared-memory buffer out, so the tests' sway runs with that off (lib.sh).
source "$(dirname "$0")/lib.sh"
wl_setup
wl_background

# frozen_layout NAME: the probe frozen on every output; each covered, and equal to its headless
# picture unless its scale is a fraction. Leaves the probe running, its states in $TEST_TMP/NAME.
frozen_layout() {
  local name=$1 out=$TEST_TMP/$1 count outputs state screen output scale
  outputs=$(swaymsg -t get_outputs | grep -c '"name": "HEADLESS-')
  run_start "$ZV_WAYLAND_PROBE" --out "$out" --ticks 40
  for _ in $(seq 400); do count=$(find "$out" -name state 2>/dev/null | wc -l); [ "$count" = "$outputs" ] && break; sleep 0.05; done
  [ "$count" = "$outputs" ] || fail "$name: $count of $outputs savers reached their state: $(run_log)"
  sleep 0.5
  for state in "$out"/output-*/state; do
    screen=$(state "$state" screen)
    read -r output scale < <(wl_output_of_screen "$screen") || fail "$name: a saver saw its output as $screen"
    wl_shot "$output" "$out/$output.png"
    [ "$(wl_uncovered "$out/$output.png")" = 0 ] || fail "$name: $output ($screen, scale $scale) shows $(wl_uncovered "$out/$output.png") pixels of desktop"
    if [ "${scale%.*}" = "$scale" ]; then
      wrong=$(differ "$out/$output.png" "$(dirname "$state")/expected.png")
      [ "$wrong" = 0 ] || fail "$name: $output: $wrong pixels differ from the headless shell's picture at $screen, scale $scale ($out)"
    fi
    pass "$name: $output ($screen, scale $scale) covered$([ "${scale%.*}" = "$scale" ] && echo ", equal to the headless picture")"
  done
}
# wl_output_of_screen WxH: the output whose logical size that is, and its scale.
wl_output_of_screen() {
  swaymsg -t get_outputs | /usr/bin/python3 -c '
import json, sys
for o in json.load(sys.stdin):
    if "%dx%d" % (o["rect"]["width"], o["rect"]["height"]) == sys.argv[1]:
        print(o["name"], ("%g" % o["scale"])); break
else: sys.exit(1)' "$1"
}
# lit_after CHANGE OUTPUT WxH: applies the sway output command; within 2 s the output is covered
# and what is lit is WxH, the frozen block whole.
lit_after() {
  local change=$1 output=$2 want=$3 lit=""
  swaymsg output "$output" $change >/dev/null || fail "sway refused: output $output $change"
  for _ in $(seq 20); do
    sleep 0.1
    wl_shot "$output" "$TEST_TMP/changed.png"
    lit=$(lit "$TEST_TMP/changed.png")
    [ "${lit%%+*}" = "$want" ] && [ "$(wl_uncovered "$TEST_TMP/changed.png")" = 0 ] && break
  done
  [ "${lit%%+*}" = "$want" ] || fail "after '$change' $output lights $lit, not the whole block ($want), within 2 s"
  [ "$(wl_uncovered "$TEST_TMP/changed.png")" = 0 ] || fail "after '$change' $output shows the desktop"
  pass "after '$change': $output covered, the whole block lit ($lit)"
}

swaymsg create_output >/dev/null || fail "sway could not add an output"
swaymsg output HEADLESS-2 resolution 800x600 position 800 0 transform 90 >/dev/null
frozen_layout portrait

lit=$(lit "$TEST_TMP/portrait/HEADLESS-1.png") && lit=${lit%%+*}
w=${lit%x*} h=${lit#*x}
lit_after "transform 90" HEADLESS-1 "$lit"
lit_after "transform normal scale 2" HEADLESS-1 "$((2 * w))x$((2 * h))"
lit_after "scale 1" HEADLESS-1 "$lit"
lit_after "resolution 1600x1200 scale 2" HEADLESS-1 "$((2 * w))x$((2 * h))"
kill -TERM "$RUN_PID"
[ "$(run_wait_exit 5)" = 0 ] || fail "the probe did not end on SIGTERM with status 0: $(run_log)"

swaymsg create_output >/dev/null || fail "sway could not add a third output"
swaymsg output HEADLESS-1 resolution 1200x900 scale 3 position 0 0 >/dev/null
swaymsg output HEADLESS-2 resolution 800x600 scale 1 transform 270 position 400 0 >/dev/null
swaymsg output HEADLESS-3 resolution 800x600 scale 1.5 position 1000 0 >/dev/null
frozen_layout mixed
kill -TERM "$RUN_PID"
[ "$(run_wait_exit 5)" = 0 ] || fail "the probe did not end on SIGTERM with status 0: $(run_log)"
