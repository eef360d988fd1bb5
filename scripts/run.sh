#!/usr/bin/env bash
# Starts the saver: builds the 64-bit Zorvalite.scr and runs it under Wine with /S (or with the
# switch given, e.g. /c for the settings dialog) on the current display; a key, a click or a
# pointer move ends it. With no display, runs it on a virtual one for a few seconds and writes
# PNG screenshots to a folder it names.
# Usage: scripts/run.sh [switch]     environment: ZV_RUN_SECONDS (default 8), ZV_SHOTS (the folder)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
switch=${1:-/S}

for what in windows wine; do bash scripts/install-deps.sh "$what"; done
build_preset windows-x64
scr=$(scr_path windows-x64)

# A prefix of our own, prepared once: Japanese fonts, and Wine's own title bars.
wine_environment "$ZV_ROOT/build/wine-run"
[ -e "$WINEPREFIX/.ready" ] || { echo "== preparing the Wine prefix $WINEPREFIX"; bash tests/wine/prepare-prefix.sh "$WINEPREFIX"; }

if [ -n "${DISPLAY:-}" ] && xset q >/dev/null 2>&1; then
  echo "== running Zorvalite.scr $switch on $DISPLAY"
  exec "$WINE64" "$scr" "$switch"
fi

# No display: a virtual one, a few seconds of the saver, and screenshots of it.
seconds=${ZV_RUN_SECONDS:-8}
shots=${ZV_SHOTS:-$ZV_ROOT/build/screenshots/$(date +%Y%m%d-%H%M%S)}
mkdir -p "$shots"
work=$(mktemp -d /tmp/zv-run.XXXXXX)
XVFB_PID="" saver_pid=""
finish() {
  set +e
  if [ -n "$saver_pid" ]; then kill "$saver_pid" 2>/dev/null; wait "$saver_pid" 2>/dev/null; fi
  "$WINESERVER" -k 2>/dev/null
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null; fi
  rm -rf "$work"
}
trap finish EXIT

start_xvfb "$work"
echo "== running Zorvalite.scr $switch on the virtual display $DISPLAY for $seconds s"

timeout $((seconds + 30)) "$WINE64" "$scr" "$switch" >"$work/wine.log" 2>&1 &
saver_pid=$!
sleep 2
for i in $(seq -w 1 "$seconds"); do
  import -window root "png:$shots/zorvalite-$i.png"
  sleep 1
done
echo "Screenshots: $shots"
