# The Wayland tests' helpers: source it from a bash test script (tests/shells/wayland/test_*.sh).
# It adds to the shared ones (../lib.sh: run_start, run_wait_exit, wait_file, lit, differ, state,
# pass, fail...) a private sway, its screenshots and the savers of its outputs.
#
#   source "$(dirname "$0")/lib.sh"
#   wl_setup                         # a private headless sway (one 800 x 600 output, HEADLESS-1)
#                                    # run as the test user; TEST_TMP, a scratch folder
#   run_start "$ZV_ZORVALITE"        # a program in the background; sets RUN_PID
#   wl_shot HEADLESS-1 "$TEST_TMP/a.png"  # a screenshot of one output at its pixel size
#   wl_background; wl_uncovered FILE # a pure blue desktop; how many of its pixels a screenshot shows
#
# sway refuses to run as root, so it runs as the user zvwayland (created once, as root), with
# its own XDG_RUNTIME_DIR; the programs under test and the tools (grim, wtype, swaymsg) run as
# this script's user on its sockets. Environment (CTest sets it): ZV_ZORVALITE the program,
# ZV_WAYLAND_PROBE the program with its test hook (wayland_state_probe.cpp), ZV_WL_POINTER the
# virtual pointer, ZV_WAYLAND_FAILING the program whose key handler fails. Teardown ends sway last.

source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/../lib.sh"
WL_USER=zvwayland
WL_SWAY_PID=""

# wl_setup: starts sway as the test user and exports WAYLAND_DISPLAY, SWAYSOCK and XDG_RUNTIME_DIR.
wl_setup() {
  local program
  for program in "${ZV_ZORVALITE:-}" "${ZV_WAYLAND_PROBE:-}" "${ZV_WAYLAND_FAILING:-}" "${ZV_WL_POINTER:-}"; do
    [ -x "$program" ] || fail "the programs under test are not built (ZV_ZORVALITE, ZV_WAYLAND_PROBE, ZV_WAYLAND_FAILING, ZV_WL_POINTER): run it through ctest"
  done
  for program in sway grim wtype swaymsg swayidle; do
    command -v "$program" >/dev/null || fail "$program is not installed: run scripts/install-deps.sh wayland"
  done
  [ "$(id -u)" = 0 ] || skip "needs root to run sway as the user $WL_USER"
  if ! id "$WL_USER" >/dev/null 2>&1; then
    useradd --no-create-home --shell /usr/sbin/nologin "$WL_USER" 2>/dev/null || id "$WL_USER" >/dev/null 2>&1 ||
      fail "cannot create the user $WL_USER"
  fi
  test_folder wayland
  chmod 755 "$TEST_TMP"
  export XDG_RUNTIME_DIR=$TEST_TMP/run
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  chown "$WL_USER" "$XDG_RUNTIME_DIR"
  printf 'output HEADLESS-1 resolution 800x600 position 0 0\n' >"$TEST_TMP/config"
  # With direct scan-out, sway 1.7 leaves a headless output's picture stale when another output is
  # turned (test_layouts.sh); no screen scans a client's shared-memory buffer out.
  runuser -u "$WL_USER" -- env -i PATH=/usr/bin:/bin HOME="$TEST_TMP" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" \
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sh -c 'echo $$ >"$XDG_RUNTIME_DIR/sway.pid"; exec sway -D noscanout -c "$0"' "$TEST_TMP/config" >"$TEST_TMP/sway.log" 2>&1 </dev/null &
  local i socket
  for i in $(seq 100); do
    [ -s "$XDG_RUNTIME_DIR/sway.pid" ] && WL_SWAY_PID=$(cat "$XDG_RUNTIME_DIR/sway.pid")
    socket=$(find "$XDG_RUNTIME_DIR" -name 'sway-ipc.*.sock' 2>/dev/null | head -n1)
    [ -n "$socket" ] && [ -S "$XDG_RUNTIME_DIR/wayland-1" ] && break
    sleep 0.1
  done
  [ -n "$socket" ] || fail "sway did not start: $(tail -n5 "$TEST_TMP/sway.log")"
  export WAYLAND_DISPLAY=wayland-1 SWAYSOCK=$socket
  unset DISPLAY
  log "sway $WL_SWAY_PID on $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY"
}

# wl_savers [PID]: the saver processes the watcher (default: the last run) started, one an output.
wl_savers() { pgrep -P "${1:-$RUN_PID}" 2>/dev/null; }

# wl_wait_savers COUNT [SECONDS=10]: waits until the watcher runs that many savers, each drawing.
wl_wait_savers() {
  local deadline=$((SECONDS + ${2:-10}))
  while [ "$(wl_savers | wc -l)" != "$1" ] && [ "$SECONDS" -le "$deadline" ]; do sleep 0.05; done
  [ "$(wl_savers | wc -l)" = "$1" ]
}

# wl_shot OUTPUT FILE: a PNG of the output at its pixel size, without alpha.
wl_shot() {
  grim -o "$1" "$2.grim.png" 2>"$TEST_TMP/grim.log" || fail "screenshot of $1 failed: $(cat "$TEST_TMP/grim.log")"
  "$CONVERT" "$2.grim.png" -alpha off "png24:$2" && rm -f "$2.grim.png"
}

# wl_key: a key typed on a virtual keyboard (wtype). The keyboard is a new device: the seat's
# clients learn of it and ask for its keys first, so the key waits a moment for them.
wl_key() { wtype -s 300 -k space; }

# wl_is_block FILE: true when what is lit fits the display block at scale K (default 1).
wl_is_block() {
  local lit w h k=${2:-1}
  lit=$(lit "$1") w=${lit%%x*} h=${lit#*x} && h=${h%%+*}
  [ "$w" -gt 0 ] && [ "$w" -le $((130 * k)) ] && [ "$h" -le $((68 * k)) ]
}
# wl_uncovered FILE: how many pixels show the desktop's background (wl_background's colour),
# which no saver covers.
WL_BACKGROUND='#0000ff'
wl_background() { swaymsg output '*' bg "$WL_BACKGROUND" solid_color >/dev/null; }
wl_uncovered() { "$CONVERT" "$1" -fill black +opaque "$WL_BACKGROUND" -fill white -opaque "$WL_BACKGROUND" -format '%[fx:round(mean*w*h)]' info:; }
# wl_cpu_ticks PID...: the processor time the processes have used so far, in clock ticks.
wl_cpu_ticks() { local pid; for pid in "$@"; do awk '{ print $14 + $15 }' "/proc/$pid/stat"; done | awk '{ s += $1 } END { print s + 0 }'; }

stop_server() {
  if [ -n "$WL_SWAY_PID" ] && kill -0 "$WL_SWAY_PID" 2>/dev/null; then
    kill -TERM "$WL_SWAY_PID" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$WL_SWAY_PID" 2>/dev/null || break; sleep 0.1; done
  fi
  wait 2>/dev/null
}
