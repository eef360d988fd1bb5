#!/usr/bin/env bash
# A run-time error during a saver run is reported the way the run would end anyway: in the box
# captioned Zorvalite, owned by the saver window and shown above it (seen on the screen for the
# 64-bit build), with the cursor visible and the X server's screen-saver timeout back to what it
# was before the run, though the spin ticks had switched the screen saver on. OK on the box ends the process, and the timeout stays so.
# The error comes from ZorvaliteFault.scr, a test-only build of the same shell that raises
# Overflow in place of a Timer1 tick about four seconds into the run (tests/wine/fault_build).
#
# Environment: ZV_FAULT_SCR, the fault build of the .scr under test (a Windows preset builds it
# as tests/wine/fault_build/ZorvaliteFault.scr).
source "$(dirname "$0")/lib.sh"
[ -n "${ZV_FAULT_SCR:-}" ] || fail "ZV_FAULT_SCR does not name the fault build (ZorvaliteFault.scr)"
ZV_SCR=$ZV_FAULT_SCR
wine_setup
[ -x "${ZV_X_CURSOR:-}" ] || fail "ZV_X_CURSOR does not name the cursor probe (tests/wine/x_cursor.cpp)"

WINDOW_PROBE=$(wine_tool window_probe) || fail "no window_probe.exe: build the windows-x64 preset"
screen_saver_timeout() { xset q | awk '/timeout:/ { print $2 }'; }

# With the X screen saver off: the ticks switch it on, and only putting it back switches it off.
xset s off
[ "$(screen_saver_timeout)" = 0 ] || fail "xset s off did not take"

xdotool mousemove 600 500
wine_start /S
wine_wait_window '^Form1$' >/dev/null || fail "no saver window"
sleep 1  # loaded, and Timer1 has ticked
xdotool search --onlyvisible --name '^Zorvalite$' >/dev/null 2>&1 && fail "the report shows too early to see the run"
wine_cursor_shown && fail "the cursor shows while the saver runs"
during=$(screen_saver_timeout)
[ "$during" != 0 ] || fail "the spin ticks did not switch the screen saver on"
pass "saver running: cursor hidden, screen-saver timeout $during"

box=$(wine_wait_window '^Zorvalite$' 30) || fail "no error report"
wine_running || fail "the process ended with its report"
sleep 0.5  # the box painted
wine_cursor_shown || fail "the cursor stays hidden under the report"
[ "$(screen_saver_timeout)" = 0 ] || fail "screen-saver timeout $(screen_saver_timeout) under the report, 0 before the run"
"$WINE64" "$WINDOW_PROBE" Zorvalite 2>/dev/null | tr -d '\r' >"$WINE_TMP/box.txt"
grep -q '^owner 1 ' "$WINE_TMP/box.txt" || fail "the report has no owner: $(cat "$WINE_TMP/box.txt")"
grep -q "Run-time error '6':" "$WINE_TMP/box.txt" || fail "the report does not name error 6: $(cat "$WINE_TMP/box.txt")"
pass "error 6 reported in a box owned by the saver, cursor shown, screen-saver timeout 0 as before"
if wine_paints; then
  # Above the black saver window, the box's own pixels show on the screen.
  wine_shot root "$WINE_TMP/report.png"
  eval "$(xdotool getwindowgeometry --shell "$box")"
  lit=$("$CONVERT" "$WINE_TMP/report.png" -crop "${WIDTH}x$HEIGHT+$X+$Y" -fill white +opaque black -negate -format '%[fx:1-mean]' info:)
  awk -v l="$lit" 'BEGIN { exit !(l >= 0.5) }' || fail "the report's place on the screen is black (lit fraction $lit): it is under the saver"
  pass "the report shows on top of the saver (lit fraction $lit)"
fi

xdotool windowfocus --sync "$box" key Return
code=$(wine_wait_exit 10)
[ "$code" != 124 ] || fail "the process did not end after OK on the report"
[ "$(screen_saver_timeout)" = 0 ] || fail "screen-saver timeout $(screen_saver_timeout) after the run, 0 before"
pass "OK ends the process (exit code $code); screen-saver timeout 0 as before the run"
