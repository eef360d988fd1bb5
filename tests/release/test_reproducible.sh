#!/usr/bin/env bash
# The release is reproducible and complete: SHA256SUMS holds the Windows zip and installer, the
# .deb, the web page's zip and the source archive, and they match it; scripts/release.sh, run
# again for the commit the release was made of, later, in another temporary folder and under
# another umask, makes the same bytes. Where a file differs, diffoscope says why (the report is
# kept).
set -u
source "$(dirname "$0")/../../scripts/lib.sh"
log() { echo "[test_reproducible] $*" >&2; }
pass() { log "ok: $*"; }
fail() { log "FAIL: $*"; exit 1; }
source "$(dirname "$0")/lib.sh"

version=$(release_version)
names="Zorvalite-$version-windows.zip Zorvalite-$version.msi zorvalite_$version-1_amd64.deb zorvalite-$version-web.zip zorvalite-$version.tar.gz"
[ "$(awk '{ print $2 }' "$ZV_RELEASE_DIR/SHA256SUMS" | tr '\n' ' ')" = "$names " ] ||
  fail "SHA256SUMS does not list exactly $names: $(cat "$ZV_RELEASE_DIR/SHA256SUMS")"
(cd "$ZV_RELEASE_DIR" && sha256sum --quiet -c SHA256SUMS) || fail "the files do not match SHA256SUMS"
pass "SHA256SUMS lists $names, and they match it"

# The commit is the one git wrote into the source archive.
commit=$(gzip -dc "$(release_file source)" | git get-tar-commit-id) || fail "the source archive names no commit"
tmp=$(mktemp -d /tmp/zv-release-again.XXXXXX)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/another-temporary-folder"
(umask 077 && TMPDIR=$tmp/another-temporary-folder bash "$ZV_ROOT/scripts/release.sh" --out "$tmp/again" "$commit") \
  >"$tmp/release.log" 2>&1 || fail "the second release build failed: $(tail -n 30 "$tmp/release.log")"
for name in $names SHA256SUMS; do
  cmp -s "$ZV_RELEASE_DIR/$name" "$tmp/again/$name" && continue
  report=/tmp/zv-diffoscope-$name.txt
  diffoscope --text "$report" "$ZV_RELEASE_DIR/$name" "$tmp/again/$name" >/dev/null 2>&1
  fail "$name differs between two builds of $commit: see $report ($(head -c 2000 "$report"))"
done
pass "a second build of $commit (umask 077, another folder, $(($(date +%s) - $(stat -c %Y "$ZV_RELEASE_DIR/SHA256SUMS"))) s later) makes the same bytes"
