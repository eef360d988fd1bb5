#!/usr/bin/env bash
# The system ends a running saver by itself: it closes the window (WM_CLOSE), or the session ends
# (WM_QUERYENDSESSION, then WM_ENDSESSION). Each time the process still ends through the unload:
# exit code 0, the cursor shows again and the X server's screen-saver timeout is what it was
# before, though every spin tick switched the screen saver on. A session end that is called off
# leaves the saver running.
source "$(dirname "$0")/lib.sh"
wine_setup
[ -x "${ZV_X_CURSOR:-}" ] || fail "ZV_X_CURSOR does not name the cursor probe (tests/wine/x_cursor.cpp)"

PROBE=$(wine_tool message_probe) || fail "no message_probe.exe: build the windows-x64 preset"
send() { "$WINE64" "$PROBE" Form1 "$1" 2>/dev/null | tr -d '\r'; }
screen_saver_timeout() { xset q | awk '/timeout:/ { print $2 }'; }

# start_saver: starts "/S" with the pointer resting mid-screen and checks that it hides the
# cursor and switches the screen saver on.
start_saver() {
  xdotool mousemove 600 500
  wine_start /S
  wine_wait_window '^Form1$' >/dev/null || fail "no saver window"
  sleep 1  # loaded, and Timer1 has ticked
  wine_running || fail "the saver ended by itself"
  wine_cursor_shown && fail "the cursor shows while the saver runs"
  [ "$(screen_saver_timeout)" != 0 ] || fail "the spin ticks did not switch the screen saver on"
}

# expect_restored HOW TIMEOUT: the saver has ended cleanly and left the cursor and the screen
# saver as they were.
expect_restored() {
  local code
  code=$(wine_wait_exit 10)
  [ "$code" = 0 ] || fail "$1: exit code $code (124: did not end)"
  xdotool search --onlyvisible --name '^Form1$' >/dev/null 2>&1 && fail "$1: the window is still shown"
  wine_cursor_shown || fail "$1: the cursor stays hidden"
  [ "$(screen_saver_timeout)" = "$2" ] || fail "$1: screen-saver timeout $(screen_saver_timeout), $2 before"
  pass "$1: exit code 0, cursor shown, screen-saver timeout $2 as before"
}

# With the X screen saver on (its timeout as Xvfb starts).
timeout_on=$(screen_saver_timeout)
[ "$timeout_on" != 0 ] || fail "Xvfb starts with the screen saver off"
start_saver
[ "$(send close)" = posted ] || fail "could not post WM_CLOSE"
expect_restored "WM_CLOSE" "$timeout_on"

# From here on with the X screen saver off: only the unload switches it off again.
xset s off
[ "$(screen_saver_timeout)" = 0 ] || fail "xset s off did not take"

start_saver
[ "$(send close)" = posted ] || fail "could not post WM_CLOSE"
expect_restored "WM_CLOSE, screen saver off before" 0

start_saver
answer=$(send session-cancel)
[ "$answer" = $'query 1\ncancel' ] || fail "a session end called off: the saver answered '$answer'"
sleep 0.5
wine_running || fail "the saver ended when the session end was called off"
pass "the saver lets the session end, and runs on when it is called off"
answer=$(send session-end)
[ "${answer%%$'\n'*}" = "query 1" ] || fail "session end: the saver answered '$answer'"
expect_restored "WM_QUERYENDSESSION and WM_ENDSESSION" 0

# Wine's own end of the session, as logging off would do it.
start_saver
"$WINE64" wineboot --end-session >/dev/null 2>&1 || fail "wineboot --end-session failed"
expect_restored "wineboot --end-session" 0
