#!/usr/bin/env bash
# The simulator's output for a fixed set of saver runs, for checking that a change of the code's
# shape leaves the saver's behaviour alone: both speed classes, Level 301, 30, 1, 0 and -5, a few
# seeds and screen sizes, on the steady clock (--jitter 0), once with jitter and the sleeping
# loop, and the sleeping loop's pictures at every tick; the --trace data lines, the summary and a hash of every --frames picture.
#
#   scripts/sim-identity.sh record DIR [SIM]   writes the outputs of SIM into DIR
#   scripts/sim-identity.sh check DIR [SIM]    records SIM's outputs again and compares them with DIR
#
# SIM defaults to the native build's zorvalite-sim (built here). Header and comment lines of a
# trace, and the summary's wall time, are left out: they are not the saver's behaviour.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
mode=${1:-} dir=${2:-} sim=${3:-}
case "$mode" in record | check) ;; *) echo "usage: $0 record|check DIR [SIM]" >&2; exit 2 ;; esac
[ -n "$dir" ] || { echo "usage: $0 record|check DIR [SIM]" >&2; exit 2; }
if [ -z "$sim" ]; then
  build_preset native --target zorvalite-sim
  sim=$ZV_SIM
fi

# name | arguments
runs=(
  "spec0-level301|--spec 0 --level 301 --seed 1 --seconds 900 --jitter 0"
  "spec1-level301|--spec 1 --level 301 --seed 2 --seconds 900 --screen 1280x1024 --jitter 0"
  "spec0-level30|--spec 0 --level 30 --seed 3 --seconds 900 --screen 1153x864 --jitter 0"
  "spec1-level30|--spec 1 --level 30 --seed 4 --seconds 900 --screen 800x600 --jitter 0"
  "spec0-level1|--spec 0 --level 1 --seed 5 --seconds 400 --jitter 0"
  "spec1-level1|--spec 1 --level 1 --seed 6 --seconds 400 --screen 1600x1200 --jitter 0"
  "spec1-level0|--spec 1 --level 0 --seed 7 --seconds 200 --jitter 0"
  "spec0-level-5|--spec 0 --level -5 --seed 8 --seconds 200 --jitter 0"
  "every-pass|--spec 1 --level 30 --seed 9 --seconds 120 --passes-per-ms 2 --no-fast-forward --jitter 0"
  "frames-celebration|--spec 0 --level 1 --seed 10 --seconds 120 --frame-at 15 --frame-limit 40 --jitter 0"
  "frames-premonition|--spec 1 --level 1 --seed 11 --seconds 200 --frame-at 40 --frame-limit 40 --jitter 0"
  "frames-timed|--spec 1 --level 30 --seed 12 --seconds 300 --screen 640x480 --frame-every 700 --frame-limit 400 --jitter 0"

  "jitter-sleeping|--spec 0 --level 30 --seed 13 --seconds 300 --jitter 20 --sleeping"
  "frames-sleeping0|--spec 0 --level 2 --seed 14 --seconds 200 --screen 320x240 --frame-every 78 --frame-limit 3000 --jitter 0 --sleeping"
  "frames-sleeping1|--spec 1 --level 2 --seed 15 --seconds 100 --screen 320x240 --frame-every 15 --frame-limit 7000 --jitter 0 --sleeping")

record() {  # record OUT
  local out=$1 entry name args frames
  rm -rf "$out"
  mkdir -p "$out"
  for entry in "${runs[@]}"; do
    name=${entry%%|*} args=${entry#*|}
    frames=()
    if [[ $args == *--frame-* ]]; then frames=(--frames "$out/$name.frames"); fi
    # shellcheck disable=SC2086
    "$sim" $args --trace "${frames[@]}" 2>"$out/$name.summary" | grep -v -e '^#' -e '^t_ms' >"$out/$name.trace" ||
      { echo "$name: zorvalite-sim failed" >&2; cat "$out/$name.summary" >&2; return 1; }
    sed -i '/^wall time/d' "$out/$name.summary"
    if [ ${#frames[@]} -gt 0 ]; then
      (cd "$out/$name.frames" && sha256sum -- *.png) >"$out/$name.frames.sha256"
      rm -rf "$out/$name.frames"
    fi
  done
}

if [ "$mode" = record ]; then
  record "$dir"
  echo "recorded ${#runs[@]} runs in $dir: $(cat "$dir"/*.trace | wc -l) trace lines, $(cat "$dir"/*.sha256 | wc -l) pictures"
  exit 0
fi
[ -d "$dir" ] || { echo "no recorded runs in $dir" >&2; exit 2; }
now=$(mktemp -d)
trap 'rm -rf "$now"' EXIT
record "$now"
if diff -r "$dir" "$now" >"$now.diff"; then
  echo "identical: ${#runs[@]} runs, $(cat "$now"/*.trace | wc -l) trace lines, $(cat "$now"/*.sha256 | wc -l) pictures"
  rm -f "$now.diff"
else
  head -40 "$now.diff"
  echo "DIFFERENT from $dir (whole diff: $now.diff)" >&2
  exit 1
fi
