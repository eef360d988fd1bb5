#!/usr/bin/env bash
# zorvalite --root on the root window: the reels move and the block jumps, all lit pixels within
# the 130 x 68 display block; over 10 s it uses at most 2% of one core (/proc); SIGTERM ends it
# within 100 ms, quietly and with status 0; so does SIGINT.
source "$(dirname "$0")/lib.sh"
x11_setup

run_start "$ZV_ZORVALITE" --root
sleep 1
run_running || fail "it ended by itself: $(run_log)"

# Processor time from /proc while screenshots are taken every half second.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$RUN_PID/stat"; }
hz=$(getconf CLK_TCK)
before=$(cpu_ticks) start=$(date +%s%N)
pictures=()
for i in $(seq -w 1 20); do
  x11_shot root "$TEST_TMP/shot$i.png"
  lit=$(lit "$TEST_TMP/shot$i.png")
  w=${lit%%x*} h=${lit#*x} && h=${h%%+*}
  [ "$w" -gt 0 ] && [ "$w" -le 130 ] && [ "$h" -le 68 ] || fail "shot $i: what is not black ($lit) is not a display block"
  pictures+=("$("$CONVERT" "$TEST_TMP/shot$i.png" rgb:- | md5sum | cut -c1-32)")
  sleep 0.5
done
used=$(($(cpu_ticks) - before)) wall=$((($(date +%s%N) - start) / 1000000))
share=$(awk -v u="$used" -v hz="$hz" -v ms="$wall" 'BEGIN { printf "%.2f", 100 * u / hz * 1000 / ms }')
distinct=$(printf '%s\n' "${pictures[@]}" | sort -u | wc -l)
[ "$distinct" -ge 5 ] || fail "only $distinct different pictures in 20 shots: the reels do not move"
pass "the reels move: $distinct different pictures in 20 shots, each within a 130 x 68 block"
awk -v s="$share" 'BEGIN { exit !(s <= 2) }' || fail "it used $share% of a core over $wall ms"
pass "processor: $used ticks of 1/$hz s in $wall ms, $share% of one core"

kill -TERM "$RUN_PID"
code=$(run_wait_exit 5)
[ "$code" = 0 ] || fail "exit status $code after SIGTERM"
[ -z "$(run_log)" ] || fail "it wrote: $(run_log)"
pass "SIGTERM ends it quietly, status 0"

# How soon: started as a child of this shell, whose wait returns as it ends, timed without a fork.
"$ZV_ZORVALITE" --root &
pid=$!
sleep 2
start=$EPOCHREALTIME
kill -TERM "$pid"
wait "$pid"
code=$? end=$EPOCHREALTIME
ms=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.1f", 1000 * (b - a) }')
[ "$code" = 0 ] || fail "exit status $code after SIGTERM"
awk -v ms="$ms" 'BEGIN { exit !(ms <= 100) }' || fail "SIGTERM took $ms ms to end it"
pass "SIGTERM ended it in $ms ms"

run_start env --default-signal=INT "$ZV_ZORVALITE" --root
sleep 1
kill -INT "$RUN_PID"
code=$(run_wait_exit 5)
[ "$code" = 0 ] || fail "exit status $code after SIGINT"
pass "SIGINT ends it with status 0"
