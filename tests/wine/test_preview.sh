#!/usr/bin/env bash
# "/p <handle>": the preview in the screen-saver settings. preview_host.exe stands in for the
# settings page: a window with a 152 x 112 child that clips its children, whose handle it passes
# as "/p <handle>". 2.5 s later the preview still runs, the little monitor holds exactly one
# visible child window of the preview's process, filling it, and the X server's screen-saver
# timeout is as it was (a preview makes no screen-saver-active calls); "/S" started meanwhile
# shows the full-screen saver (a preview is no instance); destroying the host ends the preview.
# "/P" with no handle, or with one that is no window (the destroyed monitor's), ends at once with
# no window, as before.
#
# Wine 8 does not show a child window of another process on screen, so the preview's pixels are
# checked on the headless shell (tests/digits/test_saver_display.cpp), not here.
source "$(dirname "$0")/lib.sh"
wine_setup

# The 64-bit build's, for both builds: 64-bit Windows' settings page is a 64-bit program,
# whichever build it previews.
host_exe=$(wine_tool preview_host) || fail "no preview_host.exe: build the windows-x64 preset"

screen_saver_timeout() { xset q | awk '/timeout:/ { print $2 }'; }
xset s 0  # off: a screen-saver-active call of the preview would switch it on

stop=$WINE_TMP/stop
wine_start_exe "$host_exe" "$(winepath_of "$ZV_SCR")" "$(winepath_of "$stop")"
host_run=$WINE_RUN
out=$WINE_TMP/out.$host_run
# fact NAME: the value of the last line "NAME VALUE" the host wrote.
fact() { awk -v name="$1" '$1 == name { value = substr($0, length(name) + 2) } END { print value }' "$out"; }

deadline=$((SECONDS + 30))
until grep -qx ready "$out" 2>/dev/null; do
  wine_running "$host_run" || fail "the host ended early: $(tr '\n' ' ' <"$out")"
  [ "$SECONDS" -le "$deadline" ] || fail "the host did not get ready: $(tr '\n' ' ' <"$out")"
  sleep 0.1
done
area=$(fact area)
[ "$(fact running)" = 1 ] || fail "the preview ended within 2.5 s"
[ "$(fact children)" = 1 ] || fail "the little monitor holds $(fact children) visible windows of the preview, not 1"
[ "$(fact child)" = "152 112" ] || fail "the preview's window is $(fact child), not 152 112"
pass "2.5 s after the start the preview runs, one visible child window of its process filling the 152 x 112 monitor"
[ "$(screen_saver_timeout)" = 0 ] || fail "the preview switched the X screen saver on (timeout $(screen_saver_timeout))"
pass "the preview left the screen-saver setting alone"

wine_start /S
w=$(wine_wait_window '^Form1$') || fail "\"/S\" shows no saver window while the preview runs"
eval "$(xdotool getwindowgeometry --shell "$w")"
[ "$X,$Y,$WIDTH,$HEIGHT" = "0,0,1024,768" ] || fail "the saver's window is at $X,$Y size ${WIDTH}x$HEIGHT"
sleep 1
xdotool windowfocus --sync "$w" key a
[ "$(wine_wait_exit 10)" = 0 ] || fail "the saver started beside the preview did not end on a key"
pass "\"/S\" started while the preview runs shows the full-screen saver, and ends on a key"

touch "$stop"
[ "$(wine_wait_exit 30 "$host_run")" = 0 ] || fail "the host did not finish: $(tr '\n' ' ' <"$out")"
[ "$(fact running)" = 1 ] || fail "the preview had ended before its host went"
destroy_ms=$(fact destroy_ms) ended_ms=$(fact ended_ms)
[ "$ended_ms" -ge 0 ] || fail "the preview still ran 10 s after its host was destroyed"
[ "$(fact exit)" = 0 ] || fail "the preview ended with exit code $(fact exit)"
# Wine takes about 2 s to withdraw the host's window, inside DestroyWindow; the preview's window
# goes after that. Allow half a second more on a loaded machine.
[ $((ended_ms - destroy_ms)) -le 500 ] ||
  fail "the preview ended $ended_ms ms after its host's DestroyWindow, which took $destroy_ms ms"
pass "destroying the host ended the preview $ended_ms ms after the DestroyWindow call, which took $destroy_ms ms" \
  "(Wine withdrawing the window): $((ended_ms - destroy_ms)) ms after it returned"

for args in "/P" "/p $area" "/p:$area"; do
  started=$EPOCHREALTIME
  # shellcheck disable=SC2086
  wine_start $args
  code=$(wine_wait_exit 10)
  took=$(awk -v a="$started" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.2f", b - a }')
  [ "$code" = 0 ] || fail "$args: exit code $code, expected 0 at once"
  xdotool search --onlyvisible --name '.' >/dev/null 2>&1 && fail "$args: a window is showing"
  pass "$args ends with no window, $took s after the start (Wine's own start-up included)"
done
