#!/usr/bin/env bash
# The saver's first draw pass shows a red 3, a red 1 and a red 3 in the display block at (10, 10):
# the cells at (20, 20), (60, 20) and (100, 20) of the screen. The first spin tick moves the block
# about 75 ms later, quicker than a screenshot; so screen_grab.exe watches the top-left corner of
# the screen from before the start and keeps the first picture of it that is not all black.
# Builds: 64 only: it reads the screen, which Wine does not paint for 32-bit programs.
source "$(dirname "$0")/lib.sh"
wine_setup

grab_exe=$(wine_tool screen_grab) || fail "no screen_grab.exe: build the windows-x64 preset"
[ -x "${ZV_RENDER_PROBE:-}" ] || fail "ZV_RENDER_PROBE does not name the native render_probe"

# What the corner must show: black, with the block as the software surfaces draw the first pass.
"$ZV_RENDER_PROBE" "$WINE_TMP/every.rgb" "$WINE_TMP/block.png" || fail "the native render_probe failed"
"$CONVERT" -size 160x100 xc:black "$WINE_TMP/block.png" -geometry +10+10 -composite "$WINE_TMP/expected.png"

grab=$WINE_TMP/first.rgb
"$WINE64" "$grab_exe" 0 0 160 100 "$(winepath_of "$grab")" 30 >>"$WINE_TMP/wine.log" 2>&1 &
grab_pid=$!
for _ in $(seq 300); do [ -e "$grab.ready" ] && break; sleep 0.1; done
[ -e "$grab.ready" ] || fail "screen_grab.exe did not start watching"

wine_start /S
wait "$grab_pid" || fail "the corner of the screen stayed black"
"$CONVERT" -size 160x100 -depth 8 "rgb:$grab" "$WINE_TMP/first.png"
wrong=$(/usr/bin/compare -metric AE "$WINE_TMP/first.png" "$WINE_TMP/expected.png" null: 2>&1)
[ "$wrong" = 0 ] || fail "the first picture differs from red 3, red 1, red 3 at (10, 10) in $wrong pixels" \
  "(first.png, expected.png)"
pass "first pass: red 3, red 1, red 3 at (10, 10)"

xdotool key --window "$(wine_wait_window '^Form1$')" a 2>/dev/null
code=$(wine_wait_exit 10)
[ "$code" = 0 ] || fail "the saver did not end on a key (exit code $code)"
