#!/usr/bin/env bash
# --window-id: the saver draws into a window of another program as on a screen of that window's
# size, follows the window when it is resized (the window is painted black again and the block
# jumps within the new size), and ends quietly when the window is destroyed. The program runs with
# its test hook, frozen after 640 ticks of the 10 ms timer (about 10 s: at least one more jump of
# the block after the resize), and the window's picture is compared with the headless shell's.
source "$(dirname "$0")/lib.sh"
x11_setup
[ -x "${ZV_X_HOST:-}" ] || fail "ZV_X_HOST does not name x_host_window"

x11_start "$ZV_X_HOST" 640 480
host_run=$X11_RUN host_pid=$X11_PID
for _ in $(seq 100); do grep -q '^0x' "$X11_TMP/log.$host_run" && break; sleep 0.05; done
window=$(grep -m1 '^0x' "$X11_TMP/log.$host_run") || fail "x_host_window did not open its window"

out=$X11_TMP/frozen
mkdir -p "$out"
x11_start "$ZV_X11_PROBE" --out "$out" --ticks 640 --window-id "$window" --spec 1
probe_run=$X11_RUN
sleep 1
x11_shot "$window" "$X11_TMP/before.png"
lit=$(x11_lit "$X11_TMP/before.png")
black=$("$CONVERT" "$X11_TMP/before.png" -fill white +opaque black -negate -format '%[fx:mean]' info:)
awk -v b="$black" 'BEGIN { exit !(b >= 0.95) }' || fail "the window is not painted black ($black of it is)"
pass "draws into window $window: black with the digits at $lit"

xdotool windowsize "$window" 300 200
x11_wait_file "$out/state" 60 || fail "the probe did not reach its state: $(x11_log "$probe_run")"
sleep 0.3
x11_shot "$window" "$out/screen.png"
[ "$(x11_state "$out/state" screen)" = 300x200 ] || fail "it sees the window as $(x11_state "$out/state" screen), not 300x200"
IFS=, read -r left top <<<"$(x11_state "$out/state" block)"
[ "$left" -le 170 ] && [ "$top" -le 132 ] || fail "the block jumped to ($left, $top), outside the 300 x 200 window"
wrong=$(x11_differ "$out/screen.png" "$out/expected.png")
[ "$wrong" = 0 ] || fail "$wrong pixels differ from the headless shell's picture (screen.png, expected.png)"
pass "follows the resize to 300 x 200: block at ($left, $top), the window equal to the headless shell's picture"

kill -TERM "$host_pid"
code=$(x11_wait_exit 5 "$probe_run")
[ "$code" = 0 ] || fail "exit status $code when its window was destroyed"
[ -z "$(x11_log "$probe_run")" ] || fail "it wrote: $(x11_log "$probe_run")"
pass "ends quietly, status 0, when the window is destroyed"
