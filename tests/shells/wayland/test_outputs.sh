#!/usr/bin/env bash
# Every output runs a saver of its own. An output that appears while zorvalite runs gets a saver
# that draws on it, and follows its scale when it changes to 2. With the second output at scale 2
# from the start, each output shows a block, the second in 2 x 2 squares, each equal to the
# headless shell's picture of its saver's state (the probe frozen after 40 ticks).
# (sway 1.7 cannot take a headless output away: "output disable" leaves it active, so a saver
# whose output goes is not checked here.)
source "$(dirname "$0")/lib.sh"
wl_setup

run_start "$ZV_ZORVALITE"
wl_wait_savers 1 || fail "not one saver on one output: $(wl_savers | wc -l)"
swaymsg create_output >/dev/null || fail "sway could not add an output"
swaymsg output HEADLESS-2 resolution 800x600 position 800 0 >/dev/null
wl_wait_savers 2 || fail "the output that appeared got no saver"
sleep 1
wl_shot HEADLESS-2 "$TEST_TMP/appeared.png"
wl_is_block "$TEST_TMP/appeared.png" || fail "the new output shows no block ($(lit "$TEST_TMP/appeared.png"))"
pass "an output that appears gets its own saver: $(lit "$TEST_TMP/appeared.png") lit on it"
# At scale 2 the output is half as large in logical pixels: the block shows whole at once, moved
# inside where its place no longer fits.
swaymsg output HEADLESS-2 scale 2 >/dev/null
scaled=""
for i in $(seq 8); do
  sleep 0.25
  wl_shot HEADLESS-2 "$TEST_TMP/scaled.png"
  lit=$(lit "$TEST_TMP/scaled.png") w=${lit%%x*}
  wl_is_block "$TEST_TMP/scaled.png" 2 && [ "$w" -gt 130 ] && { scaled=$lit; break; }
done
[ -n "$scaled" ] || fail "at scale 2 the block does not show in 2 x 2 squares within 2 s ($lit)"
pass "its saver follows the output's scale: $scaled lit at scale 2"
kill -TERM "$RUN_PID"
[ "$(run_wait_exit 5)" = 0 ] || fail "it did not end on SIGTERM with status 0"
[ -z "$(run_log)" ] || fail "it wrote: $(run_log)"

out=$TEST_TMP/two
run_start "$ZV_WAYLAND_PROBE" --out "$out" --ticks 40
for _ in $(seq 400); do [ "$(find "$out" -name state | wc -l)" = 2 ] && break; sleep 0.05; done
[ "$(find "$out" -name state | wc -l)" = 2 ] || fail "two savers did not reach their state: $(run_log)"
sleep 0.3
for state in "$out"/output-*/state; do
  case "$(state "$state" screen)" in
    800x600) output=HEADLESS-1 k=1 ;;
    400x300) output=HEADLESS-2 k=2 ;;
    *) fail "a saver saw its output as $(state "$state" screen)" ;;
  esac
  wl_shot "$output" "$out/$output.png"
  wl_is_block "$out/$output.png" "$k" || fail "$output: what is lit ($(lit "$out/$output.png")) is no block at scale $k"
  wrong=$(differ "$out/$output.png" "$(dirname "$state")/expected.png")
  [ "$wrong" = 0 ] || fail "$output: $wrong pixels differ from the headless shell's picture at scale $k ($out)"
  pass "$output (scale $k): $(lit "$out/$output.png") lit, equal to the headless shell's picture of $(tr '\n' ' ' <"$state")"
done
kill -TERM "$RUN_PID"
[ "$(run_wait_exit 5)" = 0 ] || fail "the probe did not end on SIGTERM with status 0"
