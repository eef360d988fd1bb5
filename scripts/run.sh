#!/usr/bin/env bash
# Starts the saver. On Linux: builds the native display mode zorvalite and runs it full-screen on
# the current display; a key, a click or a pointer move ends it; options go to it (e.g. --window,
# --level 30; --help lists them). With --wine: builds the 64-bit Zorvalite.scr and runs it under
# Wine with /S (or with the switch given, e.g. /c for the settings dialog). On a Wayland desktop
# with no X display that answers, zorvalite runs on the Wayland desktop. With neither, starts a
# virtual X display, runs the saver on it for a few seconds (zorvalite with --root) and writes
# PNG screenshots to a folder it names. Says what each step does as it starts, and shows the
# build's own progress.
# Usage: scripts/run.sh [zorvalite options] | scripts/run.sh --wine [switch]
# Environment: ZV_RUN_SECONDS (default 8), ZV_SHOTS (the folder)
set -euo pipefail
cd "$(dirname "$0")/.."
source tests/wine/lib.sh  # the scripts' lib.sh, and wine_remove_server_dir
wine=""
[ "${1:-}" != --wine ] || wine=yes
steps=$([ -n "$wine" ] && echo 4 || echo 3)
step() { echo "== [$1/$steps] ${*:2}"; }

if [ -n "$wine" ]; then
  switch=${2:-/S}
  step 1 "Debian packages for the Windows build and for Wine (installed when missing)"
  for what in windows wine; do bash scripts/install-deps.sh "$what"; done

  step 2 "building the 64-bit Zorvalite.scr in build/windows-x64 (a minute or so the first time)"
  build_preset --show windows-x64 --target Zorvalite
  saver=("$WINE64" "$(scr_path windows-x64)" "$switch")
  name="Zorvalite.scr $switch"

  # A prefix of our own, prepared once: Japanese fonts, and Wine's own title bars.
  wine_environment "$ZV_ROOT/build/wine-run"
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
  build_preset --show native --target zorvalite
  saver=("$ZV_ROOT/build/native/src/zorvalite/zorvalite" "$@")
  name="zorvalite${*:+ $*}"
fi

work=$(mktemp -d /tmp/zv-run.XXXXXX)
XVFB_PID="" saver_pid=""
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
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null; fi
  rm -rf "$work"
}
trap finish EXIT

asked=${DISPLAY:-}
if [ -n "$asked" ] && xset q >/dev/null 2>&1; then
  step "$steps" "running $name on the X display $DISPLAY"
  "${saver[@]}"
  exit
fi
# A Wayland desktop without an X display that answers (no Xwayland): zorvalite draws on it itself.
if [ -z "$wine" ] && [ -n "${WAYLAND_DISPLAY:-}" ]; then
  step "$steps" "running $name on the Wayland desktop $WAYLAND_DISPLAY (no X display answers)"
  "${saver[@]}"
  exit
fi

# No display: a virtual one, a few seconds of the saver, and screenshots of it.
[ -n "$wine" ] || { saver+=(--root); name="$name --root"; }
seconds=${ZV_RUN_SECONDS:-8}
shots=${ZV_SHOTS:-$ZV_ROOT/build/screenshots/$(date +%Y%m%d-%H%M%S)}
mkdir -p "$shots"
start_xvfb "$work"
why="neither an X display nor a Wayland desktop is set"
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
