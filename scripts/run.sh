#!/usr/bin/env bash
# Starts the saver: builds the 64-bit Zorvalite.scr and runs it under Wine with /S (or with the
# switch given, e.g. /c for the settings dialog) on the current display; a key, a click or a
# pointer move ends it. With no display, starts a virtual one, runs the saver on it for a few
# seconds and writes PNG screenshots to a folder it names. Says what each step does as it starts,
# and shows the build's own progress.
# Usage: scripts/run.sh [switch]     environment: ZV_RUN_SECONDS (default 8), ZV_SHOTS (the folder)
set -euo pipefail
cd "$(dirname "$0")/.."
switch=${1:-/S}
source tests/wine/lib.sh  # the scripts' lib.sh, and wine_remove_server_dir
step() { echo "== [$1/4] ${*:2}"; }

step 1 "Debian packages for the Windows build and for Wine (installed when missing)"
for what in windows wine; do bash scripts/install-deps.sh "$what"; done

step 2 "building the 64-bit Zorvalite.scr in build/windows-x64 (a minute or so the first time)"
build_preset --show windows-x64 --target Zorvalite
scr=$(scr_path windows-x64)

# A prefix of our own, prepared once: Japanese fonts, and Wine's own title bars.
wine_environment "$ZV_ROOT/build/wine-run"
if [ -e "$WINEPREFIX/.ready" ]; then
  step 3 "the Wine prefix $WINEPREFIX is ready"
else
  step 3 "preparing the Wine prefix $WINEPREFIX (once, about 20 s)"
  bash tests/wine/prepare-prefix.sh "$WINEPREFIX"
fi

work=$(mktemp -d /tmp/zv-run.XXXXXX)
XVFB_PID="" saver_pid=""
# Ends what this run started: the saver, the prefix's wineserver (with the folder Wine made for
# it under /tmp) and the virtual display.
finish() {
  set +e
  if [ -n "$saver_pid" ]; then kill "$saver_pid" 2>/dev/null; wait "$saver_pid" 2>/dev/null; fi
  "$WINESERVER" -k 2>/dev/null
  "$WINESERVER" -w 2>/dev/null
  wine_remove_server_dir "$WINEPREFIX"
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null; fi
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
shots=${ZV_SHOTS:-$ZV_ROOT/build/screenshots/$(date +%Y%m%d-%H%M%S)}
mkdir -p "$shots"
start_xvfb "$work"
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
