#!/usr/bin/env bash
# --root draws, pixel for pixel, what the headless shell draws for the same state, at Windows'
# pace. The program with its test hook (x11_state_probe) is frozen in a state, once in mid-spin
# after 40 ticks of the 75 ms timer and once in a jackpot's celebration (Level 1, the 10 ms
# timer); a screenshot of the root window is then compared with the headless shell's picture of
# the state the probe reports, and the ticks it counted until then with Windows' cadence (both
# timers on the 15.625 ms clock: 75 ms ticks every 78.125 ms, 2 ms and 10 ms ones every 15.625),
# and the time the main loop slept, which it reports to the saver for the odometer.
source "$(dirname "$0")/lib.sh"
x11_setup

# frozen NAME PROBE_OPTIONS...: freezes the probe on the root window and compares the pictures;
# leaves the state in $TEST_TMP/NAME/state.
frozen() {
  local name=$1 out=$TEST_TMP/$1 wrong code
  shift
  mkdir -p "$out"
  run_start "$ZV_X11_PROBE" --out "$out" "$@" --root
  wait_file "$out/state" 60 || fail "$name: the probe did not reach its state: $(run_log)"
  sleep 0.3
  x11_shot root "$out/screen.png"
  wrong=$(differ "$out/screen.png" "$out/expected.png")
  [ "$wrong" = 0 ] || fail "$name: $wrong pixels differ from the headless shell's picture (screen.png, expected.png)"
  pass "$name: the screen equals the headless shell's picture of $(tr '\n' ' ' <"$out/state")"
  kill -TERM "$RUN_PID"
  code=$(run_wait_exit 5)
  [ "$code" = 0 ] || fail "$name: exit status $code after SIGTERM"
}

# per_second STATE KEY: ticks per second until the freeze.
per_second() { awk -v n="$(state "$1" "$2")" -v ms="$(state "$1" elapsed_ms)" 'BEGIN { printf "%.2f", 1000 * n / ms }'; }
# within VALUE LOW HIGH
within() { awk -v v="$1" -v lo="$2" -v hi="$3" 'BEGIN { exit !(v >= lo && v <= hi) }'; }

frozen spin --ticks 40
state=$TEST_TMP/spin/state
[ "$(state "$state" screen)" = 1024x768 ] || fail "the root window is not seen as 1024x768"
[ "$(state "$state" block)" != 10,10 ] || fail "the display block has not jumped from (10, 10)"
# A loaded machine merges ticks, so the rates can only come out lower; higher is a wrong cadence.
t1=$(per_second "$state" timer1_ticks) t2=$(per_second "$state" timer2_ticks)
within "$t1" 8 13.1 || fail "Timer1 (75 ms) ticked $t1 times a second; Windows' cadence gives 12.8"
within "$t2" 40 65.5 || fail "Timer2 (2 ms) ticked $t2 times a second; Windows' cadence gives 64"
pass "Windows' pace: Timer1 $t1/s (12.8 expected), Timer2 $t2/s (64 expected)"
# The loop sleeps between events, and hands the time slept to the saver's odometer.
asleep=$(awk -v s="$(state "$state" slept_ms)" -v ms="$(state "$state" elapsed_ms)" 'BEGIN { printf "%.3f", s / ms }')
within "$asleep" 0.9 1 || fail "the saver was told of a share $asleep of the time as slept"
pass "the loop slept, and said so, for a share $asleep of the run"

frozen celebration --state 15 --level 1 --spec 1
state=$TEST_TMP/celebration/state
[ "$(state "$state" level),$(state "$state" spec)" = 1,1 ] || fail "--level 1 --spec 1 did not reach the saver"
t1=$(per_second "$state" timer1_ticks)
within "$t1" 40 65.5 || fail "Timer1 (10 ms) ticked $t1 times a second; Windows' cadence gives 64"
pass "the 10 ms tick at Windows' pace: $t1/s (64 expected)"
