#!/usr/bin/env bash
# With Level 1 in the registry every spin is a jackpot: the saver reaches the celebration, in which
# the reels stand still and blink in the flash colour (orange, #FF8000) and in red.
# The premonition flashes orange too, but its reels keep moving; so the test waits for a run of
# screenshots that show the same reels standing still, at least one of them orange.
# ZV_CELEBRATION_SHOT=FILE keeps the reels of the orange screenshot there (with a black margin,
# scaled 3x).
# Builds: 64 only: it reads the screen, which Wine does not paint for 32-bit programs.
source "$(dirname "$0")/lib.sh"
wine_setup

wine_reg_add 'HKCU\Software\Zorvalite\Options' Level REG_SZ 1
wine_reg_add 'HKCU\Software\Zorvalite\Options' Spec REG_SZ 0
# A jackpot whose reels run all together takes up to about 40 s before its celebration.
export ZV_WINE_TIMEOUT=150
wine_start /S
w=$(wine_wait_window '^Form1$') || fail "no saver window"

shape() { "$CONVERT" "$1" -fill white +opaque black -depth 8 gray:- | md5sum | cut -d' ' -f1; }
has_orange() { "$CONVERT" "$1" -format '%c' histogram:info:- | grep -qi '#FF8000'; }

deadline=$((SECONDS + 120))
streak=0 previous="" orange="" n=0
while [ "$SECONDS" -le "$deadline" ] && wine_running; do
  n=$((n + 1))
  shot="$WINE_TMP/shot-$n.png"
  wine_shot root "$shot"
  now=$(shape "$shot")
  if [ "$now" = "$previous" ]; then streak=$((streak + 1)); else streak=1 orange=""; fi
  previous=$now
  if [ -z "$orange" ] && has_orange "$shot"; then orange=$shot; fi
  [ "$streak" -ge 3 ] && [ -n "$orange" ] && break
  # Keep only the orange shot of the current run.
  [ "$shot" = "$orange" ] || rm -f "$shot"
  sleep 0.05
done
[ "$streak" -ge 3 ] && [ -n "$orange" ] || fail "no still orange reels in $n screenshots"
wine_running || fail "the saver ended by itself"

# The reels are the only lit pixels: all orange, spread over the three cells.
colours=$("$CONVERT" "$orange" -format '%c' histogram:info:- | grep -oiE '#[0-9A-F]{6}' | sort | tr '\n' ' ')
[ "$colours" = "#000000 #FF8000 " ] || fail "the celebration shows colours $colours"
box=$("$CONVERT" "$orange" -trim -format '%wx%h%X%Y' info:)
[ "${box%%x*}" -ge 80 ] || fail "the orange pixels span $box, not three reels"
pass "celebration after $n screenshots: orange reels in $box"

if [ -n "${ZV_CELEBRATION_SHOT:-}" ]; then
  "$CONVERT" "$orange" -trim +repage -bordercolor black -border 12 -scale 300% "$ZV_CELEBRATION_SHOT" ||
    fail "cannot write $ZV_CELEBRATION_SHOT"
fi

xdotool key --window "$w" a 2>/dev/null
code=$(wine_wait_exit 10)
[ "$code" = 0 ] || fail "exit code $code after a key"
pass "ended on a key"
