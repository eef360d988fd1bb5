#!/usr/bin/env bash
# Starts the saver. On Linux: builds the native display mode zorvalite and runs it full-screen on
# the current display; a key, a click or a pointer move ends it; options go to it (e.g. --window,
# --level 30; --help lists them). With --wine: builds the 64-bit Zorvalite.scr and runs it under
# Wine with /S (or with the switch given, e.g. /c for the settings dialog). With no display,
# starts a virtual one, runs the saver on it for a few seconds (zorvalite with --root) and writes
# PNG screenshots to a folder it names. Says what each step does as it starts, and shows the
# build's own progress.
# Usage: scripts/run.sh [zorvalite options] | scripts/run.sh --wine [switch]
# Environment: ZV_RUN_SECONDS (default 8), ZV_SHOTS (the folder)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
source tests/wine/lib.sh  # WINE64, WINESERVER, wine_remove_server_dir
wine=""
[ "${1:-}" != --wine ] || wine=yes
steps=$([ -n "$wine" ] && echo 4 || echo 3)
step() { echo "== [$1/$steps] ${*:2}"; }
mkdir -p build

if [ -n "$wine" ]; then
  switch=${2:-/S}
  step 1 "Debian packages for the Windows build and for Wine (installed when missing)"
  for what in windows wine; do bash scripts/install-deps.sh "$what"; done

  step 2 "building the 64-bit Zorvalite.scr in build/windows-x64 (a minute or so the first time)"
  { cmake --preset windows-x64 && cmake --build --preset windows-x64 -j2 --target Zorvalite; } 2>&1 |
    tee build/build-windows-x64.log
  saver=("$WINE64" "$root/build/windows-x64/src/platform/win32/Zorvalite.scr" "$switch")
  name="Zorvalite.scr $switch"

  # A prefix of our own, prepared once: Japanese fonts, and Wine's own title bars.
  export WINEPREFIX=$root/build/wine-run WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8
  if [ -e "$WINEPREFIX/.ready" ]; then
    step 3 "the Wine prefix $WINEPREFIX is ready"
  else
    step 3 "preparing the Wine prefix $WINEPREFIX (once, about 20 s)"
    bash tests/wine/prepare-prefix.sh "$WINEPREFIX"
  fi
else
  step 1 "Debian packages for the native build and its display (installed when missing)"
  for what in native x11; do bash scripts/install-deps.sh "$what"; done

  step 2 "building the display mode zorvalite in build/native"
  { cmake --preset native && cmake --build --preset native -j2 --target zorvalite; } 2>&1 | tee build/build-native.log
  saver=("$root/build/native/src/platform/x11/zorvalite" "$@")
  name="zorvalite${*:+ $*}"
fi

work=$(mktemp -d /tmp/zv-run.XXXXXX)
xvfb_pid="" saver_pid=""
# Ends what this run started: the saver, with Wine the prefix's wineserver (and the folder Wine
# made for it under /tmp), and the virtual display.
finish() {
  set +e
  if [ -n "$saver_pid" ]; then kill "$saver_pid" 2>/dev/null; wait "$saver_pid" 2>/dev/null; fi
  if [ -n "$wine" ]; then
    "$WINESERVER" -k 2>/dev/null
    "$WINESERVER" -w 2>/dev/null
    wine_remove_server_dir "$WINEPREFIX"
  fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
  rm -rf "$work"
}
trap finish EXIT

asked=${DISPLAY:-}
if [ -n "$asked" ] && xset q >/dev/null 2>&1; then
  step "$steps" "running $name on the display $DISPLAY"
  "${saver[@]}"
  exit
fi

# No display: a virtual one, a few seconds of the saver, and screenshots of it.
[ -n "$wine" ] || { saver+=(--root); name="$name --root"; }
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
step "$steps" "$why: started the virtual display $DISPLAY (Xvfb, 1024x768);" \
  "running $name on it for $seconds s"

timeout $((seconds + 30)) "${saver[@]}" >"$work/saver.log" 2>&1 &
saver_pid=$!
sleep 2
for i in $(seq -w 1 "$seconds"); do
  import -window root "png:$shots/zorvalite-$i.png"
  sleep 1
done
echo "Screenshots: $shots"
