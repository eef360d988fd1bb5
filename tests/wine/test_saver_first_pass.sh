#!/usr/bin/env bash
# The saver's first draw pass shows a red 3, a red 1 and a red 3 in the display block at (10, 10):
# the cells at (20, 20), (60, 20) and (100, 20) of the screen. The first spin tick moves the block
# about 75 ms later, quicker than a screenshot; so screen_grab.exe watches the top-left corner of
# the screen from before the start and keeps the first picture of it that is not all black.
# At 192 DPI the block is twice as large, at (20, 20), each of its pixels a crisp 2 x 2 square:
# the picture is the 96-DPI one enlarged by repeating pixels, and halved by sampling it gives the
# exact glyphs back.
# Builds: 64 only: it reads the screen, which Wine does not paint for 32-bit programs.
source "$(dirname "$0")/lib.sh"
wine_setup

grab_exe=$(wine_tool screen_grab) || fail "no screen_grab.exe: build the windows-x64 preset"
[ -x "${ZV_RENDER_PROBE:-}" ] || fail "ZV_RENDER_PROBE does not name the native render_probe"

# What the corner must show: black, with the block as the software surfaces draw the first pass.
"$ZV_RENDER_PROBE" "$WINE_TMP/every.rgb" "$WINE_TMP/block.png" || fail "the native render_probe failed"
"$CONVERT" -size 160x100 xc:black "$WINE_TMP/block.png" -geometry +10+10 -composite "$WINE_TMP/expected.png"

# first_pass SCALE: starts the saver and checks its first picture at that scale of the block.
first_pass() {
  local k=$1 grab=$WINE_TMP/first-$1.rgb wrong
  "$WINE64" "$grab_exe" 0 0 $((160 * k)) $((100 * k)) "$(winepath_of "$grab")" 30 >>"$WINE_TMP/wine.log" 2>&1 &
  local grab_pid=$!
  for _ in $(seq 300); do [ -e "$grab.ready" ] && break; sleep 0.1; done
  [ -e "$grab.ready" ] || fail "screen_grab.exe did not start watching"

  wine_start /S
  wait "$grab_pid" || fail "the corner of the screen stayed black"
  "$CONVERT" -size $((160 * k))x$((100 * k)) -depth 8 "rgb:$grab" "$WINE_TMP/first-$k.png"
  "$CONVERT" "$WINE_TMP/expected.png" -sample $((100 * k))% "$WINE_TMP/expected-$k.png"
  wrong=$(/usr/bin/compare -metric AE "$WINE_TMP/first-$k.png" "$WINE_TMP/expected-$k.png" null: 2>&1)
  [ "$wrong" = 0 ] || fail "scale $k: the first picture differs from red 3, red 1, red 3 at (10, 10) in $wrong" \
    "pixels (first-$k.png, expected-$k.png)"
  "$CONVERT" "$WINE_TMP/first-$k.png" -sample "$((100 / k))%" "$WINE_TMP/halved-$k.png"
  wrong=$(/usr/bin/compare -metric AE "$WINE_TMP/halved-$k.png" "$WINE_TMP/expected.png" null: 2>&1)
  [ "$wrong" = 0 ] || fail "scale $k: sampled down by $k, the picture differs in $wrong pixels"
  wine_keep "$WINE_TMP/first-$k.png"
  pass "scale $k: red 3, red 1, red 3 at (10, 10), each pixel a $k x $k square"

  xdotool key --window "$(wine_wait_window '^Form1$')" a 2>/dev/null
  local code
  code=$(wine_wait_exit 10)
  [ "$code" = 0 ] || fail "the saver did not end on a key (exit code $code)"
}

first_pass 1
wine_dpi 192
first_pass 2
