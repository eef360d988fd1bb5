#!/usr/bin/env bash
# Figures of the real program under Wine: the size of both .scr files, the time from starting
# "Zorvalite.scr /S" to its window and to the first drawn frame, its peak working set, and the
# CPU it and the wineserver take while the saver runs. Prints a Markdown table.
# Usage: scripts/measure-wine.sh [seconds of running to measure CPU over]   (default 10)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-10}
source "$root/tests/wine/lib.sh"
"$root/scripts/install-deps.sh" all >&2 || exit 1
for preset in windows-x86 windows-x64; do build_preset "$preset" >/dev/null; done
export ZV_SCR=$(scr_path windows-x64)
scr32=$(scr_path windows-x86)
export ZV_WINE_TIMEOUT=$((seconds + 30))
WINE_TEST_NAME=measure
wine_setup

ms() { date +%s%3N; }
ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }
clk=$(getconf CLK_TCK)

# One "/P" run first, so that Wine's own first-start work does not count as the program's.
wine_start /P
wine_wait_exit 20 >/dev/null
# Time to the first frame: the first screenshot that shows the starting digits' red (#FF0000).
start=$(ms)
wine_start /S
window=$(wine_wait_window '^Form1$' 20) || fail "no saver window"
window_ms=$(( $(ms) - start ))
frame_ms=""
for _ in $(seq 100); do
  import -silent -window root "$WINE_TMP/poll.png" 2>/dev/null &&
    [ "$("$CONVERT" "$WINE_TMP/poll.png" -fill black +opaque '#FF0000' -format '%[fx:maxima.r]' info:)" = 1 ] &&
    { frame_ms=$(( $(ms) - start )); break; }
  sleep 0.02
done
[ -n "$frame_ms" ] || fail "no red digit appeared"

program=$(pgrep -P "$WINE_PID" | head -1)
[ -n "$program" ] || fail "cannot find the program's process"
p0=$(ticks "$program"); s0=$(ticks "$WINE_SERVER_PID"); t0=$(ms)
sleep "$seconds"
p1=$(ticks "$program"); s1=$(ticks "$WINE_SERVER_PID"); t1=$(ms)
hwm=$(awk '/VmHWM/ {print $2}' "/proc/$program/status")
cpu() { awk -v d="$(( $2 - $1 ))" -v hz="$clk" -v ms="$(( t1 - t0 ))" 'BEGIN { printf "%.0f%%", 100 * d / hz / (ms / 1000) }'; }
xdotool key --window "$window" space
wine_wait_exit 10 >/dev/null

size() { stat -c %s "$1" | awk '{ printf "%d bytes (%.0f KiB)", $1, $1 / 1024 }'; }
cat <<EOT
| figure | value |
|---|---|
| Zorvalite.scr, 32-bit (shipped) | $(size "$scr32") |
| Zorvalite.scr, 64-bit | $(size "$ZV_SCR") |
| start to saver window mapped | ${window_ms} ms |
| start to first drawn frame (screen polled) | ${frame_ms} ms |
| peak working set (VmHWM of the program's process, Wine's own libraries included) | $((hwm / 1024)) MiB |
| CPU of the program over ${seconds} s of saver time | $(cpu "$p0" "$p1") of one core |
| CPU of the wineserver over the same time | $(cpu "$s0" "$s1") of one core |
EOT
pass "measured"
