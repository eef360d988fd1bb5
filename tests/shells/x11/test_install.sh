#!/usr/bin/env bash
# cmake --install (into a DESTDIR) puts the program in XScreenSaver's display-mode directory, the
# settings page zorvalite.xml in its config directory and the desktop entry under
# applications/screensavers. The entry validates and starts the installed program with --root.
# zorvalite.xml keeps the format xscreensaver-settings documents for its pages, and each choice
# of its two menus reaches the saver as the setting it names: the command line
# xscreensaver-settings makes of it is run, and the saver reports the Level and Spec it loaded.
source "$(dirname "$0")/lib.sh"
x11_setup
for tool in xmllint desktop-file-validate; do
  command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/install-deps.sh x11"
done

root=$TEST_TMP/destdir
DESTDIR=$root cmake --install "$ZV_BUILD_DIR" >"$TEST_TMP/install.log" 2>&1 || fail "cmake --install failed: $(cat "$TEST_TMP/install.log")"
program=$root$ZV_HACK_DIR/zorvalite xml=$root$ZV_CONFIG_DIR/zorvalite.xml desktop=$root$ZV_DESKTOP_DIR/zorvalite.desktop
[ -x "$program" ] || fail "no program at $ZV_HACK_DIR/zorvalite"
[ -f "$xml" ] || fail "no zorvalite.xml in $ZV_CONFIG_DIR"
[ -f "$desktop" ] || fail "no zorvalite.desktop in $ZV_DESKTOP_DIR"
"$program" --help | grep -q -- '--window-id' || fail "the installed program does not run"
pass "installed: $ZV_HACK_DIR/zorvalite, $ZV_CONFIG_DIR/zorvalite.xml, $ZV_DESKTOP_DIR/zorvalite.desktop"

desktop-file-validate "$desktop" >"$TEST_TMP/validate.log" 2>&1 || fail "the desktop entry is not valid: $(cat "$TEST_TMP/validate.log")"
grep -qx "Exec=$ZV_HACK_DIR/zorvalite --root" "$desktop" || fail "the entry does not start $ZV_HACK_DIR/zorvalite --root"
grep -qx "TryExec=$ZV_HACK_DIR/zorvalite" "$desktop" || fail "the entry's TryExec is not the program"
pass "the desktop entry validates and starts $ZV_HACK_DIR/zorvalite --root"

# The page's format, as xscreensaver-settings documents it: <screensaver name= _label=> around a
# <command arg=>, <select id=> menus of <option id= _label= [arg-set=]> with exactly one default
# (no arg-set) and every arg-set starting with the same switch, and a <_description>.
xpath() { xmllint --xpath "$1" "$xml" 2>/dev/null; }
xmllint --noout "$xml" 2>"$TEST_TMP/xmllint.log" || fail "zorvalite.xml is not well-formed: $(cat "$TEST_TMP/xmllint.log")"
[ "$(xpath 'string(/screensaver/@name)')" = zorvalite ] || fail "<screensaver name=> is not the program's name"
[ -n "$(xpath 'string(/screensaver/@_label)')" ] || fail "<screensaver> has no _label"
[ "$(xpath 'count(/screensaver/*[not(self::command or self::select or self::_description)])')" = 0 ] ||
  fail "zorvalite.xml has tags the page format does not know"
command=$(xpath 'string(/screensaver/command/@arg)')
[ "$command" = --root ] || fail "<command arg=> is '$command', not --root"
[ "$(xpath 'count(//select)')" = 2 ] || fail "not one menu per setting"
for menu in level spec; do
  s="/screensaver/select[@id='$menu']"
  [ "$(xpath "count($s/option)")" = 2 ] || fail "menu $menu has not two choices"
  [ "$(xpath "count($s/*[not(self::option)] | $s/option[not(@id) or not(@_label)])")" = 0 ] ||
    fail "menu $menu has something that is not an <option id= _label=>"
  [ "$(xpath "count($s/option[not(@arg-set)])")" = 1 ] || fail "menu $menu has not exactly one default choice"
  [ "$(xpath "count($s/option[@arg-set and not(starts-with(@arg-set, '--$menu '))])")" = 0 ] ||
    fail "menu $menu has a choice whose arg-set does not start with --$menu"
done
pass "zorvalite.xml keeps the documented page format: two menus, one default each"

# Each choice: its label, and the setting it must give the saver.
choices=("level normal 通常モード(1/301) 301" "level kakuhen 確変モード(1/30) 30" "spec high ハイスペック 0" "spec low ロースペック 1")
for choice in "${choices[@]}"; do
  read -r menu id label _ <<<"$choice"
  xpath "string(/screensaver/select[@id='$menu']/option[@id='$id']/@_label)" | grep -q "^$label — " ||
    fail "choice $id is not labelled $label with its English meaning"
done
for level in "${choices[0]}" "${choices[1]}"; do
  for spec in "${choices[2]}" "${choices[3]}"; do
    read -r _ level_id _ level_value <<<"$level"
    read -r _ spec_id _ spec_value <<<"$spec"
    # The command line xscreensaver-settings makes: the command's arg, then each choice's arg-set.
    args=("$command")
    for id in "$level_id" "$spec_id"; do
      read -r -a set <<<"$(xpath "string(//option[@id='$id']/@arg-set)")"
      args+=("${set[@]}")
    done
    out=$TEST_TMP/$level_id-$spec_id
    mkdir -p "$out"
    run_start "$ZV_X11_PROBE" --out "$out" --ticks 0 "${args[@]}"
    wait_file "$out/state" 30 || fail "zorvalite ${args[*]}: the probe did not start: $(run_log)"
    got="$(state "$out/state" level),$(state "$out/state" spec)"
    kill -TERM "$RUN_PID"
    [ "$(run_wait_exit 5)" = 0 ] || fail "zorvalite ${args[*]}: no clean end"
    [ "$got" = "$level_value,$spec_value" ] || fail "zorvalite ${args[*]}: the saver loaded Level,Spec $got, not $level_value,$spec_value"
    pass "$level_id + $spec_id: zorvalite ${args[*]} loads Level $level_value, Spec $spec_value"
  done
done
