#!/usr/bin/env bash
# Starts the saver: builds the 64-bit Zorvalite.scr and runs it under Wine with /S (or with the
# switch given, e.g. /c for the settings dialog) on the current display; a key, a click or a
# pointer move ends it. With no display, starts a virtual one, runs the saver on it for a few
# seconds and writes PNG screenshots to a folder it names. Says what each step does as it starts,
# and shows the build's own progress.
# Usage: scripts/run.sh [switch]     environment: ZV_RUN_SECONDS (default 8), ZV_SHOTS (the folder)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
switch=${1:-/S}
source tests/wine/lib.sh  # WINE64, WINESERVER, wine_remove_server_dir
step() { echo "== [$1/4] ${*:2}"; }

step 1 "Debian packages for the Windows build and for Wine (installed when missing)"
for what in windows wine; do bash scripts/install-deps.sh "$what"; done

step 2 "building the 64-bit Zorvalite.scr in build/windows-x64 (a minute or so the first time)"
mkdir -p build
{ cmake --preset windows-x64 && cmake --build --preset windows-x64 -j2 --target Zorvalite; } 2>&1 |
  tee build/build-windows-x64.log
scr=$root/build/windows-x64/src/platform/win32/Zorvalite.scr

# A prefix of our own, prepared once: Japanese fonts, and Wine's own title bars.
export WINEPREFIX=$root/build/wine-run WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8
if [ -e "$WINEPREFIX/.ready" ]; then
  step 3 "the Wine prefix $WINEPREFIX is ready"
else
  step 3 "preparing the Wine prefix $WINEPREFIX (once, about 20 s)"
  bash tests/wine/prepare-prefix.sh "$WINEPREFIX"
fi

work=$(mktemp -d /tmp/zv-run.XXXXXX)
xvfb_pid="" saver_pid=""
# Ends what this run started: the saver, the prefix's wineserver (with the folder Wine made for
# it under /tmp) and the virtual display.
finish() {
  set +e
  if [ -n "$saver_pid" ]; then kill "$saver_pid" 2>/dev/null; wait "$saver_pid" 2>/dev/null; fi
  "$WINESERVER" -k 2>/dev/null
  "$WINESERVER" -w 2>/dev/null
  wine_remove_server_dir "$WINEPREFIX"
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
  rm -rf "$work"
}
trap finish EXIT

asked=${DISPLAY:-}
if [ -n "$asked" ] && xset q >/dev/null 2>&1; then
  step 4 "running Zorvalite.scr $switch on the display $DISPLAY"
  "$WINE64" "$scr" "$switch"
  exit
fi

# No display: a virtual one, a few seconds of the saver, and screenshots of it.
seconds=${ZV_RUN_SECONDS:-8}
shots=${ZV_SHOTS:-$root/build/screenshots/$(date +%Y%m%d-%H%M%S)}
mkdir -p "$shots"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
why="no display is set"
[ -z "$asked" ] || why="the display $asked does not answer"
step 4 "$why: started the virtual display $DISPLAY (Xvfb, 1024x768);" \
  "running Zorvalite.scr $switch on it for $seconds s"

timeout $((seconds + 30)) "$WINE64" "$scr" "$switch" >"$work/wine.log" 2>&1 &
saver_pid=$!
sleep 2
for i in $(seq -w 1 "$seconds"); do
  import -window root "png:$shots/zorvalite-$i.png"
  sleep 1
done
echo "Screenshots: $shots"
