#!/usr/bin/env bash
# Makes the release of a commit: the files a user downloads, built from the commit's source as
# git holds it (never from the working tree), reproducibly: every time in them is the commit's
# (SOURCE_DATE_EPOCH), so the same commit gives the same bytes on any Debian 12 machine.
#
#   Zorvalite-VERSION-windows.zip   Zorvalite.scr (the 32-bit build), README.txt, LICENSE.txt
#   Zorvalite-VERSION.msi           the Windows installer of that Zorvalite.scr (scripts/build-msi.sh)
#   zorvalite_VERSION-1_amd64.deb   the display mode zorvalite and its files, for Debian 12
#   zorvalite-VERSION-web.zip       the web page: index.html, zorvalite.js, zorvalite.wasm in a folder
#   zorvalite-VERSION.tar.gz        the source
#   SHA256SUMS                      the checksums of the five
#
# Usage: scripts/release.sh [--out DIR] [COMMIT]     (default: dist/ and HEAD)
# Installs what the builds need when missing. Prints a line as each step starts; the builds' output
# is shown only when a step fails.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$root/dist
if [ "${1:-}" = --out ]; then
  out=$2
  shift 2
fi
commit=$(git rev-parse --verify "${1:-HEAD}^{commit}")
# The Debian revision of the package: a new one when only the packaging changes.
debian_revision=1

step() { echo "== $*"; }
bash scripts/install-deps.sh release

# Every time comes from the commit, in UTC; file modes from the build, not from the caller.
export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct "$commit")
export TZ=UTC LC_ALL=C.UTF-8
umask 022

mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/zorvalite-release.XXXXXX")
trap 'rm -rf "$work"' EXIT
log=$work/release.log
run() { "$@" >>"$log" 2>&1 || { cat "$log" >&2; echo "release: failed: $*" >&2; exit 1; }; }

# The commit's source, as git holds it: the programs are built from it, and the source archive is
# the same files.
git -c tar.umask=0022 archive --format=tar --prefix=source/ "$commit" | tar -x -C "$work"
src=$work/source
version=$(cmake -P "$src/cmake/version.cmake")
source_name=zorvalite-$version
zip_name=Zorvalite-$version-windows.zip
msi_name=Zorvalite-$version.msi
deb_name=zorvalite_$version-${debian_revision}_amd64.deb
web_name=zorvalite-$version-web.zip
step "release $version of $commit"

step "source: $source_name.tar.gz"
rm -f "$out/$source_name.tar.gz" "$out/$zip_name" "$out/$msi_name" "$out/$deb_name" "$out/$web_name" "$out/SHA256SUMS"
git -c tar.umask=0022 archive --format=tar --prefix="$source_name/" "$commit" | gzip -9n >"$out/$source_name.tar.gz"

step "Windows: $zip_name"
run cmake -S "$src" --preset windows-x86
run cmake --build "$src/build/windows-x86" -j2 --target Zorvalite
stage=$work/windows
mkdir "$stage"
cp "$src/build/windows-x86/src/shells/win32/Zorvalite.scr" "$stage/"
# Notepad opens both texts: CRLF line ends, and the readme marked as UTF-8 for its Japanese.
{ printf '\xef\xbb\xbf'; sed "s/@ZV_RELEASE_VERSION@/$version/g" "$src/assets/windows/README.txt.in"; } |
  sed 's/$/\r/' >"$stage/README.txt"
sed 's/$/\r/' "$src/LICENSE" >"$stage/LICENSE.txt"
chmod 644 "$stage"/*
touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*
(cd "$stage" && run zip -X -D -9 "$out/$zip_name" Zorvalite.scr README.txt LICENSE.txt)

step "Windows installer: $msi_name"
run bash "$src/scripts/build-msi.sh" "$stage/Zorvalite.scr" "$version" "$commit" "$out/$msi_name"

step "web page: $web_name"
(cd "$src" && run cmake --preset web && run cmake --build --preset web -j2)
page=$work/zorvalite-$version-web
mkdir "$page"
cp "$src"/build/web/page/{index.html,zorvalite.js,zorvalite.wasm} "$page/"
chmod 644 "$page"/*
touch -d "@$SOURCE_DATE_EPOCH" "$page"/*
(cd "$work" && run zip -X -D -9 "$out/$web_name" "${page##*/}"/index.html "${page##*/}"/zorvalite.js "${page##*/}"/zorvalite.wasm)

step "Debian 12: $deb_name"
cat >"$src/debian/changelog" <<CHANGELOG
zorvalite ($version-$debian_revision) unstable; urgency=medium

  * Zorvalite $version: see /usr/share/doc/zorvalite/changelog.gz.

 -- The Zorvalite developers <zorvalite@example.org>  $(date -R -d "@$SOURCE_DATE_EPOCH")
CHANGELOG
(cd "$src" && run env DEB_BUILD_OPTIONS="nocheck noautodbgsym" dpkg-buildpackage -b -us -uc)
cp "$work/$deb_name" "$out/"

step "SHA256SUMS"
(cd "$out" && sha256sum "$zip_name" "$msi_name" "$deb_name" "$web_name" "$source_name.tar.gz" >SHA256SUMS)
cat "$out/SHA256SUMS"
echo "The release is in $out"
