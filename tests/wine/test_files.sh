#!/usr/bin/env bash
# The built files themselves, both builds: they import only Windows' own libraries, they are
# GUI programs of the right machine, and their version record reads as it should.
# Builds: 64 only, as it checks both files in one run.
source "$(dirname "$0")/lib.sh"
[ -n "${ZV_SCR:-}" ] && [ -f "$ZV_SCR" ] || fail "ZV_SCR does not name the 64-bit Zorvalite.scr"
[ -n "${ZV_SCR32:-}" ] && [ -f "$ZV_SCR32" ] || skip "ZV_SCR32 does not name the 32-bit Zorvalite.scr"
command -v objdump >/dev/null && command -v exiftool >/dev/null || fail "objdump or exiftool missing"

windows_dlls='^(kernel32|user32|gdi32|advapi32|shell32|comctl32|comdlg32|ole32|oleaut32|msvcrt|ws2_32|version|winmm|shlwapi|api-ms-win-[a-z0-9-]+)\.dll$'

check_file() {  # check_file FILE FORMAT
  local file=$1 format=$2 header dlls bad value version
  header=$(objdump -f -p "$file") || fail "$file: objdump cannot read it"
  grep -q "file format $format" <<<"$header" || fail "$file: not $format"
  grep -q 'Subsystem.*(Windows GUI)' <<<"$header" || fail "$file: not a GUI program"
  dlls=$(awk '/DLL Name:/ { print tolower($3) }' <<<"$header")
  [ -n "$dlls" ] || fail "$file: no imports found"
  bad=$(grep -Ev "$windows_dlls" <<<"$dlls")
  [ -z "$bad" ] || fail "$file imports non-Windows libraries: $bad"
  pass "$file ($format) imports only $(echo $dlls)"

  exif() { exiftool -s -s -s -"$1" "$file"; }
  for field in "FileVersionNumber=1.0.0.4" "ProductVersionNumber=1.0.0.4" "LanguageCode=Japanese" \
               "CharacterSet=Unicode" "FileDescription=スクリーンセーバー" "InternalName=Zorvalite" \
               "OriginalFileName=Zorvalite.scr" "FileVersion=1.0.0.4"; do
    value=$(exif "${field%%=*}")
    [ "$value" = "${field#*=}" ] || fail "$file: ${field%%=*} is '$value', not '${field#*=}'"
  done
  # The raw translation entry: language 0411, code page 1200 (04B0).
  version=$(wrestool -x --raw -t 16 "$file" | iconv -f UTF-16LE -t UTF-8 2>/dev/null | tr -d '\0')
  grep -aq '041104[Bb]0' <<<"$version" || fail "$file: no string table 041104B0"
  pass "$file: version record 1.0.0.4, Japanese (0411), Unicode (1200), スクリーンセーバー, Zorvalite, Zorvalite.scr"
  # The manifest Windows reads at start: DPI aware per monitor (v2), else system aware.
  local manifest
  manifest=$(wrestool -x --raw -t 24 -n 1 "$file" 2>/dev/null)
  grep -q '<dpiAwareness[^>]*>PerMonitorV2</dpiAwareness>' <<<"$manifest" &&
    grep -q '<dpiAware[^>]*>true</dpiAware>' <<<"$manifest" || fail "$file: no manifest declaring DPI awareness"
  pass "$file: manifest declares per-monitor (v2) DPI awareness, system-aware before"
}

# The program icon, pixel for pixel as the asset (32 x 32, 16 colours, with its mask).
icon_asset="$WINE_LIB_DIR/../../assets/zorvalite.ico"
check_icon() {  # check_icon FILE
  local file=$1 work listing difference
  work=$(mktemp -d /tmp/zv-icon.XXXXXX)
  wrestool -x -t 14 "$file" >"$work/built.ico" 2>/dev/null
  listing=$(icotool -l "$work/built.ico" 2>/dev/null)
  grep -q -- '--width=32 --height=32 --bit-depth=4' <<<"$listing" || { rm -rf "$work"; fail "$file: icon is '$listing'"; }
  icotool -x -o "$work/built.png" "$work/built.ico" && icotool -x -o "$work/asset.png" "$icon_asset"
  # Colour and transparency of every pixel; transparent pixels compare as one colour.
  for image in built asset; do
    "$CONVERT" "$work/$image.png" -background none -alpha background -depth 8 "RGBA:$work/$image.rgba"
  done
  cmp -s "$work/built.rgba" "$work/asset.rgba"
  difference=$?
  rm -rf "$work"
  [ "$difference" = 0 ] || fail "$file: the icon differs from assets/zorvalite.ico"
  pass "$file: icon 32x32, 4-bit, pixel for pixel the asset"
}

check_file "$ZV_SCR" pei-x86-64
check_file "$ZV_SCR32" pei-i386
if [ -f "$icon_asset" ]; then
  check_icon "$ZV_SCR"
  check_icon "$ZV_SCR32"
else
  log "no program icon among the assets yet: icon not checked"
fi
