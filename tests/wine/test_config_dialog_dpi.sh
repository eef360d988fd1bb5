#!/usr/bin/env bash
# The settings dialog at 120, 144 and 192 DPI. The real program's client area is 338 x 192 scaled
# by DPI / 96, within 2 px. No caption is cut: dialog_probe, the dialog in a test-only program of
# the same shell and core, started at 96 DPI and laid out again for each DPI by WM_DPICHANGED,
# measures each caption in its control's font; every caption that fits its control's width at 96
# DPI (every caption the dialog shows) fits it at each DPI, and its font's cell exceeds the
# control's height by no more than at 96 DPI. The real program started at each DPI sizes every
# control as the probe found it after WM_DPICHANGED.
# Builds: 64 only: it measures text, which Wine does not do for 32-bit programs, and shows the dialog.
source "$(dirname "$0")/lib.sh"
wine_setup

TITLE='設定'
dialog_probe=$(wine_tool dialog_probe) || fail "no dialog_probe.exe: build the windows-x64 preset"
window_probe=$(wine_tool window_probe) || fail "no window_probe.exe: build the windows-x64 preset"
xdotool mousemove 1023 767  # off the dialog: no tooltip in the screenshots

# section DPI: the lines dialog_probe printed for that DPI.
section() { awk -v dpi="$1" '$1 == "dpi" { on = ($2 == dpi); next } on' "$WINE_TMP/relaid.txt"; }

"$WINE64" "$dialog_probe" 120 144 192 2>/dev/null | tr -d '\r' >"$WINE_TMP/relaid.txt" || fail "dialog_probe failed"
section 96 >"$WINE_TMP/96.txt"
[ "$(awk '$1 == "client"' "$WINE_TMP/96.txt")" = "client 338 192" ] || fail "96 DPI: $(grep client "$WINE_TMP/96.txt")"

for dpi in 120 144 192; do
  section "$dpi" >"$WINE_TMP/$dpi.txt"
  # id w h textw texth at 96 DPI, then at this DPI: a control whose caption fits at 96 DPI fits here.
  cut=$(awk -v dpi="$dpi" '
    $1 != "control" { next }
    FNR == NR { w[$2] = $3; h[$2] = $4; tw[$2] = $5; th[$2] = $6; next }
    {
      over = th[$2] - h[$2]; if (over < 0) over = 0
      if (tw[$2] > w[$2]) next  # a caption the design does not show, as an option button has
      if ($5 > $3) print "control " $2 " (" $7 "): caption " $5 " px wide in " $3
      if ($6 - $4 > over) print "control " $2 " (" $7 "): font " $6 " px high in " $4
    }' "$WINE_TMP/96.txt" "$WINE_TMP/$dpi.txt")
  [ -z "$cut" ] || fail "$dpi DPI: $cut"

  wine_dpi "$dpi"
  wine_start /C
  wine_wait_window "^$TITLE\$" >/dev/null || fail "$dpi DPI: no dialog"
  "$WINE64" "$window_probe" "$TITLE" 2>/dev/null | tr -d '\r' >"$WINE_TMP/window.txt"
  read -r _ cw ch <<<"$(awk '$1 == "client"' "$WINE_TMP/window.txt")"
  read -r _ ox oy <<<"$(awk '$1 == "origin"' "$WINE_TMP/window.txt")"
  awk -v w="$cw" -v h="$ch" -v dpi="$dpi" 'BEGIN {
    dw = w - 338 * dpi / 96; dh = h - 192 * dpi / 96
    exit !(dw >= -2 && dw <= 2 && dh >= -2 && dh <= 2) }' ||
    fail "$dpi DPI: client area ${cw}x$ch, not 338 x 192 scaled by $dpi / 96"
  sizes() { awk '$1 == "control" { print $2, $'"$1"', $'"$2"' }' "$3"; }
  [ "$(sizes 6 7 "$WINE_TMP/window.txt")" = "$(sizes 3 4 "$WINE_TMP/$dpi.txt")" ] ||
    fail "$dpi DPI: the program's controls differ from the probe's after WM_DPICHANGED (id w h):" \
      "$(diff <(sizes 6 7 "$WINE_TMP/window.txt") <(sizes 3 4 "$WINE_TMP/$dpi.txt"))"
  wine_shot root "$WINE_TMP/screen.png"
  "$CONVERT" "$WINE_TMP/screen.png" -crop "$((cw + 2 * ox))x$((ch + oy + ox))+0+0" +repage "$WINE_TMP/dialog-$dpi.png"
  wine_keep "$WINE_TMP/dialog-$dpi.png"
  xdotool key --window "$(wine_wait_window "^$TITLE\$")" alt+F4 2>/dev/null
  [ "$(wine_wait_exit 10)" = 0 ] || fail "$dpi DPI: the dialog did not end on Alt+F4"
  pass "$dpi DPI: client area ${cw}x$ch; every caption that fits at 96 DPI fits; controls as after WM_DPICHANGED"
done
