#!/usr/bin/env bash
# The Windows installer, walked through once under Wine's own msiexec as a user would: it is a
# 32-bit per-machine package of the release's version by the Zorvalite developers; installed, it
# puts the zip's very Zorvalite.scr into the system folder (SysWOW64 on 64-bit Windows) and an
# entry with the saver's icon into the list of installed programs, and the saver runs from there;
# a later version (built here as the release builds it) replaces it in place; the entry's own
# uninstall command then takes away the file and the entry.
set -u
unpacked=$(mktemp -d /tmp/zv-release-msi.XXXXXX)
export ZV_SCR=$unpacked/Zorvalite.scr ZV_SCR_BITS=32
source "$(dirname "$0")/../wine/lib.sh"
source "$(dirname "$0")/lib.sh"
msi=$(release_file msi)
version=$(release_version)
unzip -q "$(release_file zip)" Zorvalite.scr -d "$unpacked" || { rm -rf "$unpacked"; fail "cannot unpack the zip"; }
wine_setup
mv "$unpacked" "$WINE_TMP/unpacked"
ZV_SCR=$WINE_TMP/unpacked/Zorvalite.scr

# What the package says of itself, and the upgrade code the source fixes.
source_tree=zorvalite-$version
upgrade_code=$(tar -xzOf "$(release_file source)" "$source_tree/assets/windows/zorvalite.wxs" |
  sed -n 's/.*UpgradeCode="\([^"]*\)".*/{\1}/p')
properties=$(msiinfo export "$msi" Property | tr -d '\r' |
  awk -F'\t' '$1 ~ /^(ProductVersion|Manufacturer|UpgradeCode|ALLUSERS)$/ { print $1 "=" $2 }' | sort | tr '\n' ' ')
[ "$properties" = "ALLUSERS=1 Manufacturer=The Zorvalite developers ProductVersion=$version UpgradeCode=$upgrade_code " ] ||
  fail "the package's properties: $properties"
msiinfo suminfo "$msi" | grep -qx 'Template: Intel;1033' || fail "not a 32-bit package: $(msiinfo suminfo "$msi")"
pass "a 32-bit per-machine package of $version by The Zorvalite developers, upgrade code $upgrade_code"

# A later version of the same package: the next revision.
later=${version%.*}.$((${version##*.} + 1))
SOURCE_DATE_EPOCH=$(date +%s) bash "$ZV_ROOT/scripts/build-msi.sh" "$ZV_SCR" "$later" later "$WINE_TMP/Zorvalite-$later.msi" \
  >"$WINE_TMP/later.log" 2>&1 || fail "cannot build version $later: $(cat "$WINE_TMP/later.log")"

drive_c=$WINEPREFIX/drive_c
installed=$drive_c/windows/syswow64/Zorvalite.scr
# msi_run /i PACKAGE | /X{PRODUCT}: Windows Installer without a window (/qn); fails unless it
# succeeds.
msi_run() {
  timeout 120 "$WINE64" msiexec "$@" /qn >>"$WINE_TMP/wine.log" 2>&1 || fail "msiexec $* exited $?"
}
# The uninstall entries named Zorvalite, in every view of the registry: "VERSION|PUBLISHER|COMMAND"
# a line.
entries() {
  local key
  for key in 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' \
    'HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall' \
    'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall'; do
    "$WINE64" reg query "$key" /s 2>/dev/null
  done | tr -d '\r' | awk '
    function flush() { if (v["DisplayName"] == "Zorvalite") print v["DisplayVersion"] "|" v["Publisher"] "|" v["UninstallString"]; split("", v) }
    /^HKEY_/ { flush(); next }
    /^ +[^ ]+ +REG_/ { line = $0; sub(/^ +/, "", line); name = line; sub(/ .*/, "", name)
                      sub(/^[^ ]+ +REG_[A-Z_]+ */, "", line); v[name] = line }
    END { flush() }'
}
# The files named Zorvalite* outside Windows' installer cache.
files() { find "$drive_c" -path "$drive_c/windows/Installer" -prune -o -iname 'zorvalite*' -print; }

msi_run /i "$(winepath_of "$msi")"
cmp -s "$installed" "$ZV_SCR" || fail "the installed $installed is not the zip's Zorvalite.scr"
entry=$(entries)
[ "$(echo "$entry" | cut -d'|' -f1-2)" = "$version|The Zorvalite developers" ] || fail "the uninstall entries: $entry"
icon=$("$WINE64" reg query 'HKLM\Software\Classes\Installer\Products' /s 2>/dev/null | tr -d '\r' |
  sed -n 's/^ *ProductIcon *REG_SZ *//p')
tar -xzOf "$(release_file source)" "$source_tree/assets/zorvalite.ico" >"$WINE_TMP/zorvalite.ico"
icon_file=${icon#C:\\}
[ -n "$icon" ] && cmp -s "$drive_c/${icon_file//\\//}" "$WINE_TMP/zorvalite.ico" ||
  fail "the product's icon '$icon' is not the saver's"
pass "msiexec /i /qn: the zip's Zorvalite.scr in SysWOW64, one entry ($version, The Zorvalite developers, the saver's icon)"

release_run_saver 'C:\windows\syswow64\Zorvalite.scr'

msi_run /i "$(winepath_of "$WINE_TMP/Zorvalite-$later.msi")"
entry=$(entries)
[ "$(echo "$entry" | cut -d'|' -f1)" = "$later" ] || fail "after the upgrade to $later, the entries: $entry"
[ "$(files)" = "$installed" ] && cmp -s "$installed" "$ZV_SCR" || fail "after the upgrade, the files: $(files)"
pass "version $later replaces $version: one entry, one Zorvalite.scr"

# The entry's own command, as Settings > Apps runs it: MsiExec.exe /X{PRODUCT}.
uninstall=$(echo "$entry" | cut -d'|' -f3)
[[ "$uninstall" =~ ^MsiExec\.exe\ (/X\{[0-9A-F-]+\})$ ]] || fail "the entry's uninstall command: $uninstall"
msi_run "${BASH_REMATCH[1]}"
[ -z "$(entries)" ] || fail "msiexec /x left the entries: $(entries)"
[ -z "$(files)" ] || fail "msiexec /x left: $(files)"
[ "$(wine_reg_query 'HKCU\Software\Zorvalite\Options' Level)" = 301 ] || fail "msiexec /x took the user's settings"
pass "msiexec /x /qn: no entry and no Zorvalite file left; the user's settings stay"
