#!/usr/bin/env bash
# The web download: the zip holds the page's three files in one folder and nothing else, none of
# them with the checks' hook (the probe page's names for the run's state and pixels, its seed),
# and the page unpacked from it runs in a real browser from a static server: its first pass
# equals the headless shell's picture (released_page.py).
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
# The words of tests/shells/web/probe: its page's ask and the worker's answer, the run's state
# (zv_run_state, timer1Ticks, firstRefreshMs), the pixels read back (getImageData), the seed.
hook=$(grep -a -o -w -E "ask|answer|zv_run_state|timer1Ticks|firstRefreshMs|getImageData|seed" "$tmp/$folder"/* | sort | uniq -c)
[ -z "$hook" ] || fail "the page holds the checks' hook: $hook"
pass "no file of the page holds the checks' hook"
/usr/bin/python3 "$(dirname "$0")/released_page.py" chromium "$tmp/$folder" || fail "the unpacked page does not run as it should"
pass "the unpacked page runs in the browser and draws what the headless shell draws"
