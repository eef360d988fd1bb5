#!/usr/bin/env bash
# The configuration dialog of the real program: "/C" opens it top-level with every control in
# place (and its two addresses dark blue, for the 64-bit build); its label and circle clicks and
# OK write Level and Spec; Cancel and the close box write nothing; Tab and the arrow keys move as
# a dialog's do; a second start leaves it alone.
source "$(dirname "$0")/lib.sh"
wine_setup

TITLE='設定'
KEY='HKCU\Software\Zorvalite\Options'
PROBE=$(wine_tool window_probe) || fail "no window_probe.exe: build the windows-x64 preset"

# probe: what Windows says about the dialog, in $WINE_TMP/probe.txt.
probe() { "$WINE64" "$PROBE" "$TITLE" 2>/dev/null | tr -d '\r' >"$WINE_TMP/probe.txt"; }
fact() { awk -v k="$1" '$1 == k { $1 = ""; sub(/^ /, ""); print }' "$WINE_TMP/probe.txt"; }
# control ID FIELD: one field of a control's line (x y w h style check text).
control() {
  awk -v id="$1" -v f="$2" '$1 == "control" && $2 == id {
    n = split("id class x y w h style check", names, " ")
    for (i = 1; i <= n; i++) if (names[i] == f) { print $(i + 1); exit }
    if (f == "text") { $1 = $2 = $3 = $4 = $5 = $6 = $7 = $8 = $9 = ""; sub(/^ +/, ""); print }
  }' "$WINE_TMP/probe.txt"
}
# click_control ID [DX]: clicks a control DX pixels from its left edge (default: its middle).
click_control() {
  read -r ox oy <<<"$(fact origin)"
  local x y w h
  x=$(control "$1" x) y=$(control "$1" y) w=$(control "$1" w) h=$(control "$1" h)
  xdotool mousemove $((ox + x + ${2:-$((w / 2))})) $((oy + y + h / 2)) click 1
}
# open ARGS...: starts the program and waits for the dialog.
open() {
  wine_start "$@"
  DIALOG=$(wine_wait_window "^$TITLE\$") || fail "${*:-no arguments}: no dialog"
  probe || fail "the probe does not find the dialog"
}
expect_exit() {
  local code
  code=$(wine_wait_exit 10)
  [ "$code" = 0 ] || fail "$1: exit code $code, expected 0"
}
setting() { wine_reg_query "$KEY" "$1" || echo "(none)"; }

CMD_OK=$(control_id CmdOk) CMD_NG=$(control_id CmdNg) OPTION1=$(control_id Option1) OPTION2=$(control_id Option2)
OPTION3=$(control_id Option3) OPTION4=$(control_id Option4) LBL_NOMAL=$(control_id LblNomal)
LBL_KAKUHEN=$(control_id LblKakuhen) LBL_LOW=$(control_id LblLowSP)

# --- A first run: the window, the controls, the picture; then 確変モード(1/30) and OK.
open /C
[ "$(fact count)" = 1 ] || fail "expected one dialog, found $(fact count)"
[ "$(fact client)" = "338 192" ] || fail "client area $(fact client), expected 338 192"
[ "$(fact owner)" = "0 parent 0" ] || fail "the dialog has an owner or parent: $(fact owner)"
[ "$(fact style)" = "minbox 0 maxbox 0 sizable 0 sysmenu 1" ] || fail "title bar: $(fact style)"
[ "$(fact focus)" = "$CMD_OK" ] || fail "focus on $(fact focus) when opened, expected OK"
pass "top-level, client 338x192, close box only, focus on OK"

# In Z order, which is the tab order: name class x y w h check text; alignment of the labels
# checked below.
expected=$(cat <<'EOF'
CmdOk Button 72 80 89 25 0 OK
CmdNg Button 176 80 89 25 0 Cancel
LblHPaddr Static 32 162 271 17 - https://zorvalite.example.org/
lblVersion Static 184 112 92 17 - Version 1.0.4
LblMLaddr Static 24 144 290 17 - zorvalite@example.org
Label3 Static 25 128 290 17 - Copyright (C) 2026 The Zorvalite developers
lblProductName Static 64 112 119 17 - Zorvalite
Frame1 Button 16 8 161 65 0 現在の確率設定値
Option2 Button 32 48 17 12 0 Option2
Option1 Button 32 32 17 12 1 Option1
LblNomal Static 56 32 113 12 - 通常モード(1/301)
LblKakuhen Static 56 48 113 12 - 確変モード(1/30)
Frame2 Button 184 8 137 65 0 マシンスペック
Option3 Button 200 32 17 12 1 Option1
Option4 Button 200 48 17 12 0 Option2
LblLowSP Static 224 48 72 12 - ロースペック
LblHighSP Static 224 32 72 12 - ハイスペック
EOF
)
# The probe names controls by id: "id=name" for every control of the table.
names=$(while read -r name _; do printf '%s=%s ' "$(control_id "$name")" "$name"; done <<<"$expected")
actual=$(awk -v names="$names" '
  BEGIN { n = split(names, pairs, " "); for (i = 1; i <= n; i++) { split(pairs[i], p, "="); name[p[1]] = p[2] } }
  $1 == "control" { $1 = ""; if ($2 in name) $2 = name[$2]; $8 = ""; sub(/^ /, ""); gsub(/  +/, " "); print }' \
  "$WINE_TMP/probe.txt")
[ "$actual" = "$expected" ] || fail "controls differ:$(diff <(echo "$expected") <(echo "$actual"))"
for name in LblHPaddr lblVersion LblMLaddr Label3 lblProductName; do
  (($(control "$(control_id $name)" style) & 3)) || fail "label $name is not centred"
done
for name in LblNomal LblKakuhen LblLowSP LblHighSP; do
  (($(control "$(control_id $name)" style) & 3)) && fail "label $name is not left-aligned"
done
pass "every control in place, with its caption; normal mode and high spec selected"

if wine_paints; then
  wine_shot root "$WINE_TMP/screen.png"
  read -r ox oy <<<"$(fact origin)"
  "$CONVERT" "$WINE_TMP/screen.png" -crop "338x192+$ox+$oy" +repage "png:$WINE_TMP/config-dialog.png"
  blue_in() { # X Y W H: pixels of dark blue RGB(0,0,128) in that part of the client area
    "$CONVERT" "$WINE_TMP/config-dialog.png" -crop "$3x$4+$1+$2" +repage -fill white +opaque '#000080' \
      -fill black -opaque '#000080' -negate -format '%[fx:int(mean*w*h+0.5)]' info:
  }
  [ "$(blue_in 32 162 271 17)" -gt 50 ] || fail "the home-page address is not dark blue"
  [ "$(blue_in 24 144 290 17)" -gt 50 ] || fail "the mail address is not dark blue"
  [ "$(blue_in 25 128 290 17)" = 0 ] || fail "the copyright line is dark blue"
  pass "the two addresses are dark blue"
fi

click_control $LBL_KAKUHEN
sleep 0.3
probe
[ "$(control $OPTION2 check) $(control $OPTION1 check)" = "1 0" ] || fail "the kakuhen label did not select Option2"
click_control $CMD_OK
expect_exit "OK"
[ "$(setting Level) $(setting Spec)" = "30 0" ] || fail "OK wrote Level $(setting Level), Spec $(setting Spec)"
pass "確変モード(1/30) then OK writes Level 30 and Spec 0"

# --- Cancel writes nothing, after a label click and arrow keys that moved the selection.
wine_reg_export 'HKCU\Software\Zorvalite' "$WINE_TMP/before.txt"
open /C
[ "$(control $OPTION2 check)" = 1 ] || fail "the stored Level 30 does not select Option2"
xdotool windowfocus --sync "$DIALOG"
xdotool key Tab Tab
sleep 0.3
probe
[ "$(fact focus)" = "$OPTION2" ] || fail "Tab went to $(fact focus), expected the selected Option2"
xdotool key Down
sleep 0.3
probe
[ "$(fact focus) $(control $OPTION1 check) $(control $OPTION2 check)" = "$OPTION1 1 0" ] ||
  fail "Down within the group: focus $(fact focus), Option1 $(control $OPTION1 check)"
click_control $LBL_LOW
click_control $CMD_NG
expect_exit "Cancel"
wine_reg_export 'HKCU\Software\Zorvalite' "$WINE_TMP/after.txt"
cmp -s "$WINE_TMP/before.txt" "$WINE_TMP/after.txt" || fail "Cancel changed the store"
pass "arrow keys move within the group; Cancel writes nothing"

# --- The close box writes nothing either.
open /C
click_control $LBL_NOMAL
click_control $LBL_LOW
read -r cx cy <<<"$(fact closebox)"
[ -n "$cx" ] || fail "no close box found"
xdotool mousemove "$cx" "$cy" click 1
expect_exit "the close box"
wine_reg_export 'HKCU\Software\Zorvalite' "$WINE_TMP/after.txt"
cmp -s "$WINE_TMP/before.txt" "$WINE_TMP/after.txt" || fail "the close box changed the store"
pass "the close box writes nothing"

# --- A click on the circle of Option2 itself, with no label clicked, then OK.
wine_reg_add "$KEY" Level REG_SZ 301
open /C
click_control $OPTION2 6
sleep 0.3
probe
[ "$(control $OPTION2 check) $(control $OPTION1 check)" = "1 0" ] || fail "the click did not select Option2"
click_control $CMD_OK
expect_exit "OK"
[ "$(setting Level) $(setting Spec)" = "30 0" ] || fail "OK wrote Level $(setting Level), Spec $(setting Spec)"
pass "the circle of Option2 then OK writes Level 30"

# --- Values the dialog does not offer: nothing selected; Tab order; Enter on OK writes them back.
wine_reg_add "$KEY" Level REG_SZ 100
wine_reg_add "$KEY" Spec REG_SZ 5
open /C
checks=$(for id in $OPTION1 $OPTION2 $OPTION3 $OPTION4; do control $id check; done | tr '\n' ' ')
[ "$checks" = "0 0 0 0 " ] || fail "Level 100 and Spec 5 select buttons: $checks"
xdotool windowfocus --sync "$DIALOG"
order=""
for _ in 1 2 3 4; do
  xdotool key Tab
  sleep 0.2
  probe
  order="$order $(fact focus)"
done
[ "$order" = " $CMD_NG $OPTION2 $OPTION3 $CMD_OK" ] || fail "Tab order:$order"
xdotool key Escape
sleep 0.3
wine_running || fail "Escape closed the dialog"
xdotool key Return
expect_exit "Enter on OK"
[ "$(setting Level) $(setting Spec)" = "100 5" ] || fail "OK wrote Level $(setting Level), Spec $(setting Spec)"
pass "neither option selected for 100 and 5; Tab cycles OK, Cancel, both groups; Enter on OK writes 100 and 5 back"

# --- A second start while the dialog is open ends silently; so does a saver start.
open /C
first=$WINE_RUN
for args in /C /S; do
  wine_start $args
  expect_exit "second start $args"
  probe
  [ "$(fact count)" = 1 ] || fail "second start $args: $(fact count) dialogs"
  xdotool search --onlyvisible --name '^Form1$' >/dev/null 2>&1 && fail "second start $args showed the saver"
done
wine_running "$first" || fail "the first dialog ended"
xdotool windowfocus --sync "$DIALOG"
xdotool key alt+F4
[ "$(wine_wait_exit 10 "$first")" = 0 ] || fail "the first dialog did not end on Alt+F4"
pass "a second start ends silently and leaves the dialog open"

# --- With the window handle the system passes, and with no arguments: the same top-level dialog.
for args in "/c:1234" "/C 1234" ""; do
  # shellcheck disable=SC2086
  open $args
  [ "$(fact owner)" = "0 parent 0" ] || fail "'$args': the dialog has an owner or parent"
  [ "$(fact client)" = "338 192" ] || fail "'$args': client area $(fact client)"
  xdotool windowfocus --sync "$DIALOG"
  xdotool key alt+F4
  expect_exit "'$args'"
done
pass "/c:1234, /C 1234 and no arguments open the top-level dialog"
