#!/usr/bin/env bash
# "/S": a black full-screen window (its pixels checked for the 64-bit build), the cursor hidden
# while it runs; it ends on a key, on a click and on a one-pixel pointer move (not on the move
# Windows reports when the window appears under the pointer), and the X server's screen-saver
# timeout is what it was before.
source "$(dirname "$0")/lib.sh"
wine_setup
[ -x "${ZV_X_CURSOR:-}" ] || fail "ZV_X_CURSOR does not name the cursor probe (tests/wine/x_cursor.cpp)"

screen_saver_timeout() { xset q | awk '/timeout:/ { print $2 }'; }

# start_saver: starts "/S" with the pointer resting on the top row of the screen, where the display
# block never comes (its top is at least 1): a click or move on the block does not end the saver,
# and mid-screen the jumping block lies under the pointer now and then. Sets w to its window.
start_saver() {
  xdotool mousemove 600 0
  wine_start /S
  w=$(wine_wait_window '^Form1$') || fail "no saver window"
  sleep 1  # loaded, and the move reported at appearance delivered
  wine_running || fail "the saver ended by itself"
}

expect_end() {
  local code
  code=$(wine_wait_exit 10)
  [ "$code" = 0 ] || fail "$1: exit code $code (124: did not end)"
  xdotool search --onlyvisible --name '^Form1$' >/dev/null 2>&1 && fail "$1: the window is still shown"
  pass "ends on $1"
}

cursor_before=$("$ZV_X_CURSOR") || fail "cursor probe failed"
[ "$cursor_before" -gt 0 ] || fail "the X cursor is invisible before the saver runs"
timeout_before=$(screen_saver_timeout)

# A key press. This run also checks the window and the cursor.
start_saver
eval "$(xdotool getwindowgeometry --shell "$w")"
[ "$X,$Y,$WIDTH,$HEIGHT" = "0,0,1024,768" ] || fail "window at $X,$Y size ${WIDTH}x$HEIGHT, not the whole screen"
pass "full-screen window"
if wine_paints; then
  wine_shot root "$WINE_TMP/saver.png"
  # The screen is black but for the digits, and they all lie in the display block (130 x 68).
  lit=$("$CONVERT" "$WINE_TMP/saver.png" -format '%@' info: 2>/dev/null)  # WxH+X+Y of what is not black
  lit_w=${lit%%x*} lit_h=${lit#*x} && lit_h=${lit_h%%+*}
  black=$("$CONVERT" "$WINE_TMP/saver.png" -fill white +opaque black -negate -format '%[fx:mean]' info:)
  awk -v b="$black" 'BEGIN { exit !(b >= 0.98) }' || fail "only a fraction $black of the screen is black"
  [ "$lit_w" -gt 0 ] && [ "$lit_h" -gt 0 ] || fail "nothing but black on the screen: no digits"
  [ "$lit_w" -le 130 ] && [ "$lit_h" -le 68 ] || fail "what is not black ($lit) is larger than the display block"
  pass "black screen, digits within $lit (black fraction $black)"
fi
wine_cursor_shown && fail "the cursor shows while the saver runs"
pass "cursor hidden (visible cursor pixels before: $cursor_before)"
xdotool windowfocus --sync "$w" key a
expect_end "a key press"
wine_cursor_shown || fail "the cursor stays hidden after the saver"
[ "$(screen_saver_timeout)" = "$timeout_before" ] || fail "screen-saver timeout $(screen_saver_timeout) after, $timeout_before before"
pass "cursor shown and screen-saver timeout $timeout_before as before"

# A click where the pointer rests.
start_saver
xdotool click 1
expect_end "a click"

# One pixel of pointer movement.
start_saver
xdotool mousemove_relative 1 0
expect_end "a one-pixel move"

# With the X screen saver off before, it is off again after, though every tick switched it on.
xset s off
[ "$(screen_saver_timeout)" = 0 ] || fail "xset s off did not take"
start_saver
during=$(screen_saver_timeout)
xdotool windowfocus --sync "$w" key Escape
expect_end "Escape"
[ "$(screen_saver_timeout)" = 0 ] || fail "screen-saver timeout $(screen_saver_timeout) after the run, 0 before (during: $during)"
pass "screen saver off before, switched on while running (timeout $during), off after"
