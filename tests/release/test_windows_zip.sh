#!/usr/bin/env bash
# The Windows download: the zip holds Zorvalite.scr, README.txt and LICENSE.txt and nothing else,
# its Zorvalite.scr is the 32-bit program, and under Wine it runs: "/c" opens the settings dialog,
# whose OK writes the two settings to the store, and "/s" shows the saver, which a key ends.
set -u
unpacked=$(mktemp -d /tmp/zv-release-zip.XXXXXX)
export ZV_SCR=$unpacked/Zorvalite.scr ZV_SCR_BITS=32
source "$(dirname "$0")/../wine/lib.sh"
source "$(dirname "$0")/lib.sh"
zip=$(release_file zip)
[ "$(unzip -Z1 "$zip" | sort | tr '\n' ' ')" = "LICENSE.txt README.txt Zorvalite.scr " ] ||
  { rm -rf "$unpacked"; fail "the zip holds: $(unzip -Z1 "$zip" | tr '\n' ' ')"; }
unzip -q "$zip" -d "$unpacked" || { rm -rf "$unpacked"; fail "cannot unpack $zip"; }
wine_setup
mv "$unpacked" "$WINE_TMP/unpacked"
ZV_SCR=$WINE_TMP/unpacked/Zorvalite.scr
objdump -f "$ZV_SCR" | grep -q 'file format pei-i386' || fail "Zorvalite.scr is not the 32-bit program"
grep -q "Zorvalite $(release_version) for Windows" "$WINE_TMP/unpacked/README.txt" || fail "README.txt does not name the release"
grep -q "^MIT License" "$WINE_TMP/unpacked/LICENSE.txt" || fail "LICENSE.txt is not the licence"
pass "the zip holds the 32-bit Zorvalite.scr, README.txt and LICENSE.txt, nothing else"

release_run_saver "$ZV_SCR"
