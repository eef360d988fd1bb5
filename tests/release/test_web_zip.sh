#!/usr/bin/env bash
# The web download: the zip holds the page's three files in one folder and nothing else, and the
# page unpacked from it runs in a real browser from a static server: its first pass equals the
# headless shell's picture (the browser check of the pixels, run on the unpacked folder).
set -u
log() { echo "[test_web_zip] $*" >&2; }
pass() { log "ok: $*"; }
fail() { log "FAIL: $*"; exit 1; }
source "$(dirname "$0")/lib.sh"
[ -x "${ZV_WEB_EXPECTED:-}" ] || fail "ZV_WEB_EXPECTED does not name web_expected: run it through ctest"
zip=$(release_file web)
folder=zorvalite-$(release_version)-web
[ "$(unzip -Z1 "$zip" | sort | tr '\n' ' ')" = "$folder/index.html $folder/zorvalite.js $folder/zorvalite.wasm " ] ||
  fail "the zip holds: $(unzip -Z1 "$zip" | tr '\n' ' ')"
tmp=$(mktemp -d /tmp/zv-release-web.XXXXXX)
trap 'rm -rf "$tmp"' EXIT
unzip -q "$zip" -d "$tmp" || fail "cannot unpack $zip"
pass "the zip holds $folder/ with index.html, zorvalite.js and zorvalite.wasm, nothing else"
ZV_WEB_DIR=$tmp/$folder /usr/bin/python3 "$(dirname "$0")/../shells/web/test_same_pixels.py" ||
  fail "the unpacked page does not draw the saver's pixels"
pass "the unpacked page runs in the browser and draws what the headless shell draws"
