#!/usr/bin/env bash
# Figures of the real program under Wine: the size of both .scr files, the time from starting
# "Zorvalite.scr /S" to its window and to the first drawn frame, its peak working set; then, at
# each speed class (Spec 0 and 1 in the prefix's registry), the CPU that "/S" and its wineserver
# take beside the CPU of the minimal saver (bench/minimal_saver.cpp: the saver's two timers, a
# 130 x 68 child repainted on every tick, sleeping in between: what Wine charges for the pace),
# and the block's repaints and the program's wakeups per second of "/S".
# CPU is each process's own CPU time (from /proc) over the wall time. Repaints and ticks are
# counted in a separate run from Wine's own traces (WINEDEBUG +bitblt: each 130 x 68 copy into
# the block's window, the saver's copies into the block's surface being 30 x 48); wakeups are the
# voluntary context switches of the program's threads, from /proc: each one the program sleeping
# and being woken. Prints Markdown tables and the machine's load.
# Usage: scripts/measure-wine.sh [seconds of running to measure CPU over]   (default 15)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-15}
source "$root/tests/wine/lib.sh"
"$root/scripts/install-deps.sh" all >&2 || exit 1
for preset in windows-x86 windows-x64; do build_preset "$preset" >/dev/null; done
scr=$(scr_path windows-x64)
scr32=$(scr_path windows-x86)
minimal=$root/build/windows-x64/bench/minimal_saver.exe
export ZV_SCR=$scr
export ZV_WINE_TIMEOUT=$((seconds + 60))
WINE_TEST_NAME=measure
wine_setup
load_before=$(cut -d' ' -f1-3 /proc/loadavg)

ms() { date +%s%3N; }
ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }
clk=$(getconf CLK_TCK)
percent() { awk -v d="$1" -v hz="$clk" -v ms="$2" 'BEGIN { printf "%.1f", 100 * d / hz / (ms / 1000) }'; }

# run PROGRAM ARGS...: starts a program (the .scr or another) the way wine_start starts the .scr,
# waits for its full-screen window and sets window and program (the PID of its Wine process).
run() {
  local path=$1
  shift
  ZV_SCR=$path
  wine_start "$@"
  ZV_SCR=$scr
  window=$(xdotool search --sync --onlyvisible --name '^(Form1|MinimalSaver)$' 2>/dev/null | head -1)
  [ -n "$window" ] || fail "no window of $(basename "$path")"
  program=$(pgrep -P "$WINE_PID" | head -1)
  [ -n "$program" ] || fail "cannot find the process of $(basename "$path")"
}
stop() {
  xdotool key --window "$window" space 2>/dev/null
  [ "$(wine_wait_exit 10)" = 0 ] || fail "the program did not end on a key"
}
# cpu: the CPU of the running program and of the wineserver over $seconds, as
# "program% + wineserver% = total%".
cpu() {
  local p0 s0 t0 p1 s1 t1
  p0=$(ticks "$program"); s0=$(ticks "$WINE_SERVER_PID"); t0=$(ms)
  sleep "$seconds"
  p1=$(ticks "$program"); s1=$(ticks "$WINE_SERVER_PID"); t1=$(ms)
  local p s
  p=$(percent $((p1 - p0)) $((t1 - t0))); s=$(percent $((s1 - s0)) $((t1 - t0)))
  awk -v p="$p" -v s="$s" 'BEGIN { printf "%s%% + %s%% = %.1f%%", p, s, p + s }'
}
# per_second: the block's repaints and the program's wakeups per second over 5 s of the running
# program (started with WINEDEBUG=+bitblt), as "repaints wakeups".
wakeups() { cat /proc/"$program"/task/*/status | awk '/^voluntary_ctxt_switches/ { n += $2 } END { print n }'; }
per_second() {
  local repaint='src .* dst .* log=0,0 130x68 .*rop=cc0020' r0 k0 t0 r1 k1 t1
  sleep 1
  r0=$(grep -c "$repaint" "$WINE_TMP/wine.log"); k0=$(wakeups); t0=$(ms)
  sleep 5
  r1=$(grep -c "$repaint" "$WINE_TMP/wine.log"); k1=$(wakeups); t1=$(ms)
  awk -v r=$((r1 - r0)) -v k=$((k1 - k0)) -v ms=$((t1 - t0)) 'BEGIN { printf "%.0f %.0f", r / (ms / 1000), k / (ms / 1000) }'
}
set_spec() { wine_reg_add 'HKCU\Software\Zorvalite\Options' Spec REG_SZ "$1"; }

# One "/P" run first, so that Wine's own first-start work does not count as the program's.
wine_start /P
wine_wait_exit 20 >/dev/null
# Time to the first frame: the first screenshot that shows the starting digits' red (#FF0000).
set_spec 0
start=$(ms)
wine_start /S
wine_wait_window '^Form1$' 20 >/dev/null || fail "no saver window"
window_ms=$(( $(ms) - start ))
frame_ms=""
for _ in $(seq 100); do
  import -silent -window root "$WINE_TMP/poll.png" 2>/dev/null &&
    [ "$("$CONVERT" "$WINE_TMP/poll.png" -fill black +opaque '#FF0000' -format '%[fx:maxima.r]' info:)" = 1 ] &&
    { frame_ms=$(( $(ms) - start )); break; }
  sleep 0.02
done
[ -n "$frame_ms" ] || fail "no red digit appeared"
window=$(wine_wait_window '^Form1$' 5)
program=$(pgrep -P "$WINE_PID" | head -1)
sleep 2
hwm=$(awk '/VmHWM/ {print $2}' "/proc/$program/status")
stop

declare -A cpu_scr cpu_min repaints wakes
for spec in 0 1; do
  set_spec "$spec"
  run "$scr" /S; sleep 1; cpu_scr[$spec]=$(cpu); stop
  run "$minimal" "$([ "$spec" = 0 ] && echo 75 || echo 10)"; sleep 1; cpu_min[$spec]=$(cpu); stop
  export WINEDEBUG=+bitblt
  run "$scr" /S; read -r "repaints[$spec]" "wakes[$spec]" < <(per_second); stop
  export WINEDEBUG=-all
done
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

size() { stat -c %s "$1" | awk '{ printf "%d bytes (%.0f KiB)", $1, $1 / 1024 }'; }
cat <<EOT
| figure | value |
|---|---|
| Zorvalite.scr, 32-bit (shipped) | $(size "$scr32") |
| Zorvalite.scr, 64-bit | $(size "$scr") |
| start to saver window mapped | ${window_ms} ms |
| start to first drawn frame (screen polled) | ${frame_ms} ms |
| peak working set (VmHWM of the program's process, Wine's own libraries included) | $((hwm / 1024)) MiB |

CPU over ${seconds} s, as program + its wineserver = total, in % of one core; per second of "/S":
the block's repaints and the program's wakeups:

| speed class | Zorvalite.scr /S | minimal saver | repaints/s | wakeups/s |
|---|---|---|---|---|
| Spec 0 (75 ms spin timer) | ${cpu_scr[0]} | ${cpu_min[0]} | ${repaints[0]} | ${wakes[0]} |
| Spec 1 (10 ms spin timer) | ${cpu_scr[1]} | ${cpu_min[1]} | ${repaints[1]} | ${wakes[1]} |

Load average (1, 5, 15 min) before: $load_before; after: $load_after; $(nproc) cores.
EOT
pass "measured"
