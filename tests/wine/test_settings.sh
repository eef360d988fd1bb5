#!/usr/bin/env bash
# A saver run writes nothing to the registry, and a stored value it cannot use (not a number,
# out of range, of another type, absurdly long) does not stop it: no error report, and the
# value stays as it was. The lowest Level it uses, -32768, keeps it running too (and its reels
# moving, seen for the 64-bit build).
source "$(dirname "$0")/lib.sh"
wine_setup
key='HKCU\Software\Zorvalite\Options'

# run_saver WHAT: one saver run that must show its window, keep running, and end on a key.
run_saver() {
  xdotool mousemove 600 500
  wine_start /S
  local w code
  w=$(wine_wait_window '^Form1$') || fail "$1: no saver window"
  sleep 1
  xdotool search --onlyvisible --name '^Zorvalite$' >/dev/null 2>&1 && fail "$1: an error report shows"
  wine_running || fail "$1: the saver stopped"
  xdotool windowfocus --sync "$w" key a
  code=$(wine_wait_exit 10)
  [ "$code" = 0 ] || fail "$1: exit code $code"
}

wine_reg_export 'HKCU\Software\Zorvalite' "$WINE_TMP/before.reg"
[ -s "$WINE_TMP/before.reg" ] && fail "the fresh prefix already has settings"
run_saver "an empty store"
wine_reg_export 'HKCU\Software\Zorvalite' "$WINE_TMP/after.reg"
[ -s "$WINE_TMP/after.reg" ] && fail "a saver run with an empty store wrote: $(cat "$WINE_TMP/after.reg")"
pass "an empty store stays empty after a saver run"

long=$(printf '3%.0s' $(seq 300))
check_bad() {  # check_bad WHAT NAME TYPE DATA
  wine_reg_delete 'HKCU\Software\Zorvalite'
  wine_reg_add "$key" "$2" "$3" "$4"
  wine_reg_export 'HKCU\Software\Zorvalite' "$WINE_TMP/before.reg"
  run_saver "$1"
  wine_reg_export 'HKCU\Software\Zorvalite' "$WINE_TMP/after.reg"
  cmp -s "$WINE_TMP/before.reg" "$WINE_TMP/after.reg" || fail "$1: the registry changed: $(diff "$WINE_TMP/before.reg" "$WINE_TMP/after.reg")"
  pass "$1: the saver runs, the value stays"
}
check_bad "Level abc" Level REG_SZ abc
check_bad "Level 32768" Level REG_SZ 32768
check_bad "Level empty" Level REG_SZ ""
check_bad "Level 300 digits" Level REG_SZ "$long"
check_bad "Spec as a DWORD" Spec REG_DWORD 1
check_bad "good values" Level REG_SZ 30

# The lowest Level, -32768, is a negative Level like any other (no jackpot): the saver runs on with
# no error report and keeps drawing its reels, within the display block, moving from shot to shot.
wine_reg_delete 'HKCU\Software\Zorvalite'
wine_reg_add "$key" Level REG_SZ -32768
xdotool mousemove 600 500
wine_start /S
w=$(wine_wait_window '^Form1$') || fail "Level -32768: no saver window"
sleep 1
if wine_paints; then
  pictures=""
  for n in 1 2 3 4; do
    shot=$WINE_TMP/lowest-$n.png
    wine_shot root "$shot"
    lit=$("$CONVERT" "$shot" -format '%@' info: 2>/dev/null)  # WxH+X+Y of what is not black
    lit_w=${lit%%x*} lit_h=${lit#*x} && lit_h=${lit_h%%+*}
    [ "$lit_w" -gt 0 ] && [ "$lit_h" -gt 0 ] && [ "$lit_w" -le 130 ] && [ "$lit_h" -le 68 ] ||
      fail "Level -32768: shot $n shows $lit, not reels in the display block"
    pictures+="$("$CONVERT" "$shot" -depth 8 rgb:- | md5sum | cut -d' ' -f1)"$'\n'
    sleep 0.5
  done
  [ "$(sort -u <<<"$pictures" | grep -c .)" -ge 2 ] || fail "Level -32768: the screen stood still over four shots"
  pass "Level -32768: the reels move within the display block"
else
  sleep 3
fi
xdotool search --onlyvisible --name '^Zorvalite$' >/dev/null 2>&1 && fail "Level -32768: an error report shows"
wine_running || fail "Level -32768: the saver stopped"
xdotool windowfocus --sync "$w" key a
code=$(wine_wait_exit 10)
[ "$code" = 0 ] || fail "Level -32768: exit code $code"
pass "Level -32768: the saver runs on, no error report"
