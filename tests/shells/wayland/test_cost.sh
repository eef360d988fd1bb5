#!/usr/bin/env bash
# What it costs and how it ends. Over 15 s at Spec 1 (the 10 ms tick) it uses at most 1.5 times
# the processor of the X11 mode (zorvalite --root on Xvfb, run at the same time, so that both meet
# the same load) and under 2% of one core, and it sleeps between ticks. SIGTERM ends it within
# 100 ms, with status 0; a compositor that goes away (killed) ends it with status 1 within 1 s,
# with one line on standard error. It wakes at most 66 times a second at Spec 1 and 15 at Spec 0.
source "$(dirname "$0")/lib.sh"
wl_setup
command -v Xvfb >/dev/null || fail "Xvfb is not installed: run scripts/install-deps.sh x11"

cleanup() { [ -z "${XVFB_PID:-}" ] || { kill -TERM "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null; }; }
# wait_child PID SECONDS: waits for this shell's child to end, as `wait` does (its status), but
# ends it and its savers (SIGKILL) after SECONDS and then gives 124.
wait_child() {
  local ended code
  sleep "$2" &
  local guard=$!
  wait -n -p ended "$1" "$guard"
  code=$?
  if [ "$ended" = "$guard" ]; then
    kill -KILL $(wl_savers "$1") "$1" 2>/dev/null
    wait "$1" 2>/dev/null
    return 124
  fi
  kill "$guard" 2>/dev/null
  wait "$guard" 2>/dev/null
  return "$code"
}
start_xvfb "$TEST_TMP" 800x600 || fail "no virtual display"
x11_display=$DISPLAY
unset DISPLAY

run_start env DISPLAY="$x11_display" "$ZV_ZORVALITE" --x11 --root --spec 1
x11_pid=$RUN_PID
run_start "$ZV_ZORVALITE" --spec 1
wl_wait_savers 1 || fail "no saver on the output: $(run_log)"
sleep 1
wayland_pids="$RUN_PID $(wl_savers)"
hz=$(getconf CLK_TCK)
x11_before=$(wl_cpu_ticks $x11_pid) wayland_before=$(wl_cpu_ticks $wayland_pids) start=$(date +%s%N)
voluntary_before=$(awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$(wl_savers)/status")
sleep 15
x11_used=$(($(wl_cpu_ticks $x11_pid) - x11_before)) wayland_used=$(($(wl_cpu_ticks $wayland_pids) - wayland_before))
wall=$((($(date +%s%N) - start) / 1000000))
sleeps=$(($(awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$(wl_savers)/status") - voluntary_before))
share() { awk -v u="$1" -v hz="$hz" -v ms="$wall" 'BEGIN { printf "%.2f", 100 * u / hz * 1000 / ms }'; }
x11_share=$(share "$x11_used") wayland_share=$(share "$wayland_used")
log "processor over $wall ms: Wayland $wayland_used ticks of 1/$hz s ($wayland_share%), X11 $x11_used ($x11_share%); the saver slept $sleeps times"
awk -v w="$wayland_share" 'BEGIN { exit !(w < 2) }' || fail "it used $wayland_share% of a core"
# One tick of the clock is the finest /proc can tell: the bound allows it.
awk -v w="$wayland_used" -v x="$x11_used" 'BEGIN { exit !(w <= 1.5 * x + 1) }' ||
  fail "it used $wayland_share% of a core against the X11 mode's $x11_share%"
# It waits for the ticks that change the picture, some 49 of the 64 a second: at least 20 sleeps a
# second (a loop that never waits sleeps not at all); and no more than 66, as the compositor's
# answers to its frames wake it for none of its own.
[ "$sleeps" -ge $((20 * wall / 1000)) ] || fail "the saver slept only $sleeps times in $wall ms"
[ "$sleeps" -le $((66 * wall / 1000)) ] || fail "the saver woke $sleeps times in $wall ms at Spec 1, above 66 a second"
pass "processor at Spec 1: $wayland_share% of one core against the X11 mode's $x11_share%, $sleeps sleeps in $wall ms"
kill -TERM "$x11_pid"
run_wait_exit 5 >/dev/null
kill -TERM "$RUN_PID"
run_wait_exit 5 >/dev/null

# At Spec 0 the picture changes some 10 times a second, Timer1 ticks 13 times: at most 15 wakeups.
run_start "$ZV_ZORVALITE" --spec 0
wl_wait_savers 1 || fail "no saver on the output: $(run_log)"
sleep 1
voluntary_before=$(awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$(wl_savers)/status") start=$(date +%s%N)
sleep 10
sleeps=$(($(awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$(wl_savers)/status") - voluntary_before))
wall=$((($(date +%s%N) - start) / 1000000))
[ "$sleeps" -le $((15 * wall / 1000)) ] || fail "the saver woke $sleeps times in $wall ms at Spec 0, above 15 a second"
pass "wakeups at Spec 0: $sleeps in $wall ms"
kill -TERM "$RUN_PID"
run_wait_exit 5 >/dev/null

# How soon: started as a child of this shell, whose wait returns as it ends, timed without a fork.
"$ZV_ZORVALITE" 2>"$TEST_TMP/term.log" &
pid=$!
sleep 2
start=$EPOCHREALTIME
kill -TERM "$pid"
wait_child "$pid" 5
code=$? end=$EPOCHREALTIME
ms=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.1f", 1000 * (b - a) }')
[ "$code" = 0 ] || fail "exit status $code after SIGTERM (124: still running 5 s later)"
[ -s "$TEST_TMP/term.log" ] && fail "it wrote: $(cat "$TEST_TMP/term.log")"
awk -v ms="$ms" 'BEGIN { exit !(ms <= 100) }' || fail "SIGTERM took $ms ms to end it"
pass "SIGTERM ended it quietly in $ms ms, status 0"

cleanup
XVFB_PID=""
"$ZV_ZORVALITE" 2>"$TEST_TMP/gone.log" &
pid=$!
sleep 2
savers=$(pgrep -P "$pid")
start=$EPOCHREALTIME
kill -KILL "$WL_SWAY_PID"
wait_child "$pid" 5
code=$? end=$EPOCHREALTIME
ms=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.1f", 1000 * (b - a) }')
[ "$code" = 1 ] || fail "exit status $code when the compositor went away (124: still running 5 s later)"
awk -v ms="$ms" 'BEGIN { exit !(ms <= 1000) }' || fail "it took $ms ms to end after the compositor"
[ "$(wc -l <"$TEST_TMP/gone.log")" = 1 ] || fail "it wrote, not one line: $(cat "$TEST_TMP/gone.log")"
for saver in $savers; do kill -0 "$saver" 2>/dev/null && fail "the saver $saver still runs"; done
pass "the compositor killed: status 1 in $ms ms, one line: $(cat "$TEST_TMP/gone.log")"
