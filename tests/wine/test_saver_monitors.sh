#!/usr/bin/env bash
# "/S" on two monitors, an 800 x 600 one on the left and the 1024 x 768 primary beside it, with a
# blue desktop behind both: the saver's window covers both, topmost, and in every screenshot over
# several spins all is black but the block, which is always on the primary. Over the block, input
# ends the saver as it does anywhere: a 2-pixel move, a left click, a side-button click, a wheel turn.
# Builds: 64 only: it reads the screen, which Wine does not paint for 32-bit programs.
source "$(dirname "$0")/lib.sh"
[ -f "${ZV_XINERAMA_DIR:-}/libXinerama.so.1" ] || fail "ZV_XINERAMA_DIR does not hold the stand-in libXinerama.so.1"
wine_setup 1824x768
# Wine splits the screen as Xinerama says, once it no longer asks XRandR.
export LD_LIBRARY_PATH=$ZV_XINERAMA_DIR${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
export ZV_XINERAMA_HEADS=1024x768+800+0,800x600+0+0
wine_reg_add 'HKCU\Software\Wine\X11 Driver' UseXRandR REG_SZ N
wine_restart_server
"$CONVERT" -size 1824x768 xc:'#3060A0' "$WINE_TMP/desktop.png"
display -window root "$WINE_TMP/desktop.png" 2>/dev/null
wine_shot root "$WINE_TMP/before.png"
[ "$(wine_pixel "$WINE_TMP/before.png" 400 700),$(wine_pixel "$WINE_TMP/before.png" 1800 10)" = "48,96,160,48,96,160" ] ||
  fail "the desktop is not blue before the saver"

# shot: a screenshot, $WINE_TMP/shot.png; sets bw bh bx by to the box of what is not black in it
# and checks that the box is a block on the primary monitor (X 800 to 1823).
shot() {
  wine_shot root "$WINE_TMP/shot.png"
  # A black border makes black what the box leaves out; it shifts the box by one pixel.
  read -r bw bh bx by <<<"$("$CONVERT" "$WINE_TMP/shot.png" -bordercolor black -border 1 -format '%@' info: | tr 'x+' '  ')"
  bx=$((bx - 1)) by=$((by - 1))
  [ "$("$CONVERT" "$WINE_TMP/shot.png" -fill white +opaque black -format '%[fx:mean>0]' info:)" = 1 ] ||
    fail "nothing but black: no block"
  [ "$bw" -le 130 ] && [ "$bh" -le 68 ] && [ "$bx" -ge 800 ] && [ $((bx + bw)) -le 1824 ] && [ $((by + bh)) -le 768 ] ||
    fail "what is not black (${bw}x$bh at $bx,$by) is no block on the primary monitor (shot.png)"
}

# start_saver: starts "/S" with the pointer in the top-left corner, where the saver takes no
# position, and waits until the first spin has moved the block: it stays for seconds.
start_saver() {
  xdotool mousemove 0 0
  wine_start /S
  w=$(wine_wait_window '^Form1$') || fail "no saver window"
  sleep 0.5
  wine_running || fail "the saver ended by itself"
}

# to_block: moves the pointer to the middle of the block, a first position the saver stores.
to_block() {
  xdotool mousemove $((bx + bw / 2)) $((by + bh / 2))
  sleep 0.3
  wine_running || fail "the pointer's first position ended the saver"
}

expect_end() {
  local code
  code=$(wine_wait_exit 10)
  [ "$code" = 0 ] || fail "$1: exit code $code (124: did not end)"
  pass "ends on $1 over the block"
}

start_saver
eval "$(xdotool getwindowgeometry --shell "$w")"
[ "$X,$Y,$WIDTH,$HEIGHT" = "0,0,1824,768" ] || fail "window at $X,$Y size ${WIDTH}x$HEIGHT, not both monitors"
xprop -id "$w" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "the window is not topmost"
# Screenshots until the block has jumped twice (a jump: its box moves further than the reels
# turning can move it), then the pointer goes to the block where it has just landed.
shots=0 jumps=0
shot
wine_keep "$WINE_TMP/shot.png"
while [ "$jumps" -lt 2 ]; do
  [ "$shots" -lt 120 ] || fail "the block did not jump twice in $shots screenshots"
  px=$bx py=$by
  sleep 0.2
  shot
  shots=$((shots + 1))
  [ $(((bx - px) * (bx - px) + (by - py) * (by - py))) -gt 3600 ] && jumps=$((jumps + 1))
done
cp "$WINE_TMP/shot.png" "$WINE_TMP/jumped.png"
wine_keep "$WINE_TMP/jumped.png"
pass "over $shots screenshots and two jumps of the block, black but for the block on the primary monitor"
to_block
xdotool mousemove_relative 2 0
expect_end "a 2-pixel move"

for button in 1 8 5; do
  start_saver
  shot
  to_block
  xdotool click "$button"
  case $button in
    1) expect_end "a left click" ;;
    8) expect_end "a side-button click" ;;
    5) expect_end "a wheel turn" ;;
  esac
done
