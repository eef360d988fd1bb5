#!/usr/bin/env bash
# "/S" at the fast speed class sleeps between events: it and its wineserver take a small share of
# one core (a loop that never waits takes most of one), it repaints the display block no more
# often than the 15.625 ms clock ticks, on which its timers tick, and the reels keep turning on
# screen (the repaints and the reels seen for the 64-bit build). Repaints are counted from Wine's
# own trace (WINEDEBUG +bitblt: each 130 x 68 copy into the block's window).
source "$(dirname "$0")/lib.sh"
wine_setup

wine_reg_add 'HKCU\Software\Zorvalite\Options' Spec REG_SZ 1
export WINEDEBUG=+bitblt
wine_start /S
w=$(wine_wait_window '^Form1$') || fail "no saver window"
program=$(pgrep -P "$WINE_PID" | head -1)
[ -n "$program" ] || fail "cannot find the saver's process"
sleep 1

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
count() { grep -c "$1" "$WINE_TMP/wine.log"; }
repaint='src .* dst .* log=0,0 130x68 .*rop=cc0020'
p0=$(ticks "$program") s0=$(ticks "$WINE_SERVER_PID") t0=$(date +%s%3N)
r0=$(count "$repaint")
# The reels turn: at least three different pictures among screenshots half a second apart.
for n in $(seq 16); do
  if wine_paints; then
    wine_shot root "$WINE_TMP/shot-$n.png"
    md5sum <"$WINE_TMP/shot-$n.png" >>"$WINE_TMP/sums"
  fi
  sleep 0.5
done
p1=$(ticks "$program") s1=$(ticks "$WINE_SERVER_PID") t1=$(date +%s%3N)
r1=$(count "$repaint")
wine_running || fail "the saver ended by itself"

if wine_paints; then
  pictures=$(sort -u "$WINE_TMP/sums" | wc -l)
  [ "$pictures" -ge 3 ] || fail "the screen showed $pictures different pictures in 8 s: the reels do not turn"
  pass "the reels turn: $pictures different pictures in 16 screenshots"
fi
ticks_n=$(((t1 - t0) * 64 / 1000 + 1)) repaints_n=$((r1 - r0))
# A 32-bit program's copies draw nothing under Wine and leave no trace to count.
if wine_paints; then
  [ "$repaints_n" -gt 0 ] && [ "$repaints_n" -le "$ticks_n" ] ||
    fail "$repaints_n repaints of the block in $ticks_n clock ticks"
  pass "$repaints_n repaints of the block in $ticks_n clock ticks"
fi
cpu=$(awk -v d=$((p1 - p0 + s1 - s0)) -v hz="$(getconf CLK_TCK)" -v ms=$((t1 - t0)) \
  'BEGIN { printf "%.0f", 100 * d / hz / (ms / 1000) }')
[ "$cpu" -le 25 ] || fail "the saver and its wineserver took $cpu% of one core"
pass "the saver and its wineserver took $cpu% of one core"

xdotool key --window "$w" a 2>/dev/null
[ "$(wine_wait_exit 10)" = 0 ] || fail "the saver did not end on a key"
pass "ended on a key"
