#!/usr/bin/env bash
# Starts the saver. On Linux: builds the native display mode `zorvalite` and runs it full-screen on
# the current display (a key, a click or a pointer move ends it); options go to it (e.g. --window,
# --level 30, --spec 1; --help lists them). With --wine: builds the 64-bit Zorvalite.scr and runs
# it under Wine with /S (or with the switch given, e.g. /c for the settings dialog).
# With no display, either runs on a virtual one for a few seconds (the native one with --root) and
# writes PNG screenshots to a folder it names.
# Usage: scripts/run.sh [zorvalite options] | scripts/run.sh --wine [switch]
# Environment: ZV_RUN_SECONDS (default 8), ZV_SHOTS (the folder)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
mkdir -p build

if [ "${1:-}" = --wine ]; then
  wine=yes
  switch=${2:-/S}
  for what in windows wine; do bash scripts/install-deps.sh "$what"; done
  echo "== build windows-x64"
  if ! { cmake --preset windows-x64 && cmake --build --preset windows-x64 -j2; } >build/build-windows-x64.log 2>&1; then
    cat build/build-windows-x64.log
    exit 1
  fi
  scr=$root/build/windows-x64/src/platform/win32/Zorvalite.scr

  # A prefix of our own, prepared once: Japanese fonts, and Wine's own title bars.
  export WINEPREFIX=$root/build/wine-run WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8
  [ -e "$WINEPREFIX/.ready" ] || { echo "== preparing the Wine prefix $WINEPREFIX"; bash tests/wine/prepare-prefix.sh "$WINEPREFIX"; }
  saver=(/usr/lib/wine/wine64 "$scr" "$switch")
  name="Zorvalite.scr $switch"
else
  wine=""
  for what in native x11; do bash scripts/install-deps.sh "$what"; done
  echo "== build native (zorvalite)"
  if ! { cmake --preset native && cmake --build --preset native -j2 --target zorvalite; } >build/build-native.log 2>&1; then
    cat build/build-native.log
    exit 1
  fi
  saver=("$root/build/native/src/platform/x11/zorvalite" "$@")
  name="zorvalite${*:+ $*}"
fi

if [ -n "${DISPLAY:-}" ] && xset q >/dev/null 2>&1; then
  echo "== running $name on $DISPLAY"
  exec "${saver[@]}"
fi

# No display: a virtual one, a few seconds of the saver, and screenshots of it.
[ -n "$wine" ] || { saver+=(--root); name="$name --root"; }
seconds=${ZV_RUN_SECONDS:-8}
shots=${ZV_SHOTS:-$root/build/screenshots/$(date +%Y%m%d-%H%M%S)}
mkdir -p "$shots"
work=$(mktemp -d /tmp/zv-run.XXXXXX)
xvfb_pid="" saver_pid=""
finish() {
  set +e
  if [ -n "$saver_pid" ]; then kill "$saver_pid" 2>/dev/null; wait "$saver_pid" 2>/dev/null; fi
  [ -z "$wine" ] || /usr/lib/wine/wineserver64 -k 2>/dev/null
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
  rm -rf "$work"
}
trap finish EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
echo "== running $name on the virtual display $DISPLAY for $seconds s"

timeout $((seconds + 30)) "${saver[@]}" >"$work/saver.log" 2>&1 &
saver_pid=$!
sleep 2
for i in $(seq -w 1 "$seconds"); do
  import -window root "png:$shots/zorvalite-$i.png"
  sleep 1
done
echo "Screenshots: $shots"
