#!/usr/bin/env bash
# How often zorvalite wakes the processor, beside three of XScreenSaver's own display modes (from
# Debian's xscreensaver-data): at each speed class, "zorvalite --root" and the three hacks run
# at the same time on one Xvfb for the seconds given, and each one's wakeups per second (its
# voluntary context switches, summed over its threads from /proc/PID/task/*/status) and
# its share of one core (utime + stime from /proc/PID/stat over the wall time) are measured over
# that time, after one second of start-up. Prints a Markdown table and the machine's load.
# Usage: scripts/measure-wakeups.sh [seconds per speed class]   (default 30)
# ZV_ZORVALITE names another zorvalite to measure (an earlier build, to compare); by default the
# native build's, built here.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
seconds=${1:-30}
hacks=(deco popsquares fuzzyflakes)
hack_dir=/usr/libexec/xscreensaver
"$ZV_ROOT/scripts/install-deps.sh" x11 >&2
zorvalite=${ZV_ZORVALITE:-}
if [ -z "$zorvalite" ]; then
  build_preset native --target zorvalite >&2
  zorvalite=$ZV_ROOT/build/native/src/zorvalite/zorvalite
fi

work=$(mktemp -d)
XVFB_PID=""
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill -TERM "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  [ -z "$XVFB_PID" ] || { kill -TERM "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null || true; }
  rm -rf "$work"
}
trap cleanup EXIT
start_xvfb "$work" 1024x768

# A wakeup is a voluntary switch: the program slept and something woke it. The others are the
# scheduler taking the processor from a program that runs, which the hacks beside it cause.
switches() { cat /proc/"$1"/task/*/status | awk '/^voluntary_ctxt_switches/ { n += $2 } END { print n }'; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
load_before=$(cut -d' ' -f1-3 /proc/loadavg)

# measure SPEC: runs the saver at SPEC and the hacks for $seconds; sets result[NAME,SPEC] to
# "wakeups/s | CPU %" for each.
declare -A result
measure() {
  local spec=$1 names=() pid i s0=() c0=() t0 t1 s1 c1
  pids=()
  "$zorvalite" --root --spec "$spec" 2>>"$work/programs.log" &
  pids+=($!) names+=(zorvalite)
  for i in "${hacks[@]}"; do
    "$hack_dir/$i" -root 2>>"$work/programs.log" &
    pids+=($!) names+=("$i")
  done
  sleep 1
  for i in "${!pids[@]}"; do
    kill -0 "${pids[$i]}" 2>/dev/null || { echo "${names[$i]} ended: $(cat "$work/programs.log")" >&2; exit 1; }
    s0[$i]=$(switches "${pids[$i]}") c0[$i]=$(cpu_ticks "${pids[$i]}")
  done
  t0=$(date +%s%N)
  sleep "$seconds"
  t1=$(date +%s%N)
  for i in "${!pids[@]}"; do
    s1=$(switches "${pids[$i]}") c1=$(cpu_ticks "${pids[$i]}")
    result[${names[$i]},$spec]=$(awk -v s=$((s1 - s0[i])) -v c=$((c1 - c0[i])) -v hz="$hz" -v ns=$((t1 - t0)) \
      'BEGIN { printf "%.1f | %.2f%%", s / (ns / 1e9), 100 * c / hz / (ns / 1e9) }')
  done
  for pid in "${pids[@]}"; do kill -TERM "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  pids=()
}
measure 0
measure 1

echo "Wakeups per second and processor (% of one core) over $seconds s on Xvfb, each speed class"
echo "run beside the three hacks:"
echo
echo "| program | Spec 0 run: wakeups/s | CPU | Spec 1 run: wakeups/s | CPU |"
echo "|---|---|---|---|---|"
echo "| zorvalite --root --spec 0 / 1 | ${result[zorvalite,0]} | ${result[zorvalite,1]} |"
for i in "${hacks[@]}"; do echo "| $i -root | ${result[$i,0]} | ${result[$i,1]} |"; done
echo
echo "Load average (1, 5, 15 min) before: $load_before; after: $(cut -d' ' -f1-3 /proc/loadavg); $(nproc) cores."
