#!/usr/bin/env bash
# Odd data where the settings live never stops the saver or the dialog: values of other types,
# a text one character longer than the longest the program reads and one far longer, no section,
# a section with no values but a subkey named like one, a section no program may open. Each time
# the saver runs, leaves the store as it was and ends on a key; the dialog opens showing the
# stored value where it is good and the default where it is odd, and OK writes both as text.
source "$(dirname "$0")/lib.sh"
wine_setup

APP='HKCU\Software\Zorvalite'
KEY="$APP\\Options"
WINDOW_PROBE=$(wine_tool window_probe) || fail "no window_probe.exe: build the windows-x64 preset"
REGISTRY_PROBE=$(wine_tool registry_probe) || fail "no registry_probe.exe: build the windows-x64 preset"
registry_probe() { "$WINE64" "$REGISTRY_PROBE" "$@" 2>/dev/null | tr -d '\r'; }

OPTION1=$(control_id Option1) OPTION2=$(control_id Option2) OPTION3=$(control_id Option3) OPTION4=$(control_id Option4)

# stored NAME: "TYPE DATA" of a value of the section, or "(none)".
stored() {
  "$WINE64" reg query "$KEY" /v "$1" 2>/dev/null | tr -d '\r' |
    awk -v name="$1" '$1 == name { print $2, $3; found = 1 } END { if (!found) print "(none)" }'
}

# saver_runs WHAT: a saver run shows its window, runs on with no error report, ends on a key
# and leaves the store as it was.
saver_runs() {
  wine_reg_export "$APP" "$WINE_TMP/before.reg"
  xdotool mousemove 600 500
  wine_start /S
  local w code
  w=$(wine_wait_window '^Form1$') || fail "$1: no saver window"
  sleep 1
  xdotool search --onlyvisible --name '^Zorvalite$' >/dev/null 2>&1 && fail "$1: the saver shows an error report"
  wine_running || fail "$1: the saver stopped"
  xdotool windowfocus --sync "$w" key a
  code=$(wine_wait_exit 10)
  [ "$code" = 0 ] || fail "$1: the saver ended with exit code $code"
  wine_reg_export "$APP" "$WINE_TMP/after.reg"
  cmp -s "$WINE_TMP/before.reg" "$WINE_TMP/after.reg" ||
    fail "$1: the saver changed the store: $(diff "$WINE_TMP/before.reg" "$WINE_TMP/after.reg")"
}

# dialog_ok WHAT LEVEL SPEC: the dialog opens with the option buttons of LEVEL (301 or 30) and
# SPEC (0 or 1) selected, and Enter on OK, which has the focus, closes it.
dialog_ok() {
  wine_start /C
  local dialog checks code
  dialog=$(wine_wait_window '^設定$') || fail "$1: no dialog"
  xdotool search --onlyvisible --name '^Zorvalite$' >/dev/null 2>&1 && fail "$1: the dialog shows an error report"
  "$WINE64" "$WINDOW_PROBE" '設定' 2>/dev/null | tr -d '\r' >"$WINE_TMP/probe.txt"
  checks=$(for id in $OPTION1 $OPTION2 $OPTION3 $OPTION4; do
    awk -v id="$id" '$1 == "control" && $2 == id { printf "%s", $9 }' "$WINE_TMP/probe.txt"
  done)
  local expected
  expected=$([ "$2" = 301 ] && echo 10 || echo 01)$([ "$3" = 0 ] && echo 10 || echo 01)
  [ "$checks" = "$expected" ] || fail "$1: Option1-4 checked $checks, expected $expected (Level $2, Spec $3)"
  xdotool windowfocus --sync "$dialog" key Return
  code=$(wine_wait_exit 10)
  [ "$code" = 0 ] || fail "$1: the dialog ended with exit code $code"
}

# check WHAT LEVEL SPEC: the saver copes with what is stored, and the dialog shows LEVEL and SPEC
# and OK writes them as text over whatever was there.
check() {
  saver_runs "$1"
  dialog_ok "$1" "$2" "$3"
  [ "$(stored Level) / $(stored Spec)" = "REG_SZ $2 / REG_SZ $3" ] ||
    fail "$1: after OK the store holds Level $(stored Level), Spec $(stored Spec)"
  pass "$1: the saver runs; the dialog shows Level $2, Spec $3 and OK writes them as text"
}
reset() { wine_reg_delete "$APP"; }

reset
wine_reg_add "$KEY" Level REG_DWORD 30
wine_reg_add "$KEY" Spec REG_SZ 1
check "Level a DWORD" 301 1

reset
wine_reg_add "$KEY" Level REG_SZ 30
wine_reg_add "$KEY" Spec REG_BINARY 01000000
check "Spec binary" 30 0

# Read as text, the expand-string would give Spec 1: only its type makes it odd.
reset
wine_reg_add "$KEY" Level REG_MULTI_SZ '30\01'
wine_reg_add "$KEY" Spec REG_EXPAND_SZ 1
check "Level a multi-string, Spec an expand-string" 301 0

# The longest text read is 64 characters: Level just fits, Spec is one too long.
reset
wine_reg_add "$KEY" Level REG_SZ "$(printf '0%.0s' $(seq 62))30"
wine_reg_add "$KEY" Spec REG_SZ "$(printf '0%.0s' $(seq 64))1"
check "Level of 64 characters, Spec of 65" 30 0

reset
wine_reg_add "$KEY" Level REG_SZ "$(printf '7%.0s' $(seq 30000))"
wine_reg_add "$KEY" Spec REG_SZ 1
check "Level of 30000 digits" 301 1

# No section: the application's key holds a value named like it, and a sibling section.
reset
wine_reg_add "$APP" Options REG_SZ 'Level=30'
wine_reg_add "$APP\\Other" Level REG_SZ 30
check "no section" 301 0

# The section with no values, but a subkey where the value Level would be.
reset
wine_reg_add "$KEY\\Level" Spec REG_SZ 1
"$WINE64" reg delete "$KEY\\Level" /v Spec /f >/dev/null 2>&1
check "a section with no values" 301 0

# A section nobody may open: the saver and the dialog use the defaults, and OK cannot write.
reset
[ "$(registry_probe lock "${KEY#HKCU\\}")" = locked ] || fail "cannot lock $KEY"
[ "$(registry_probe access "${KEY#HKCU\\}")" = "read 0 write 0" ] || fail "the locked key still opens"
saver_runs "a locked section"
dialog_ok "a locked section" 301 0
[ "$(registry_probe access "${KEY#HKCU\\}")" = "read 0 write 0" ] || fail "the locked key opens after OK"
pass "a locked section: the saver runs; the dialog shows the defaults; OK ends without a report"
