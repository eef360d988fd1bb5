#!/usr/bin/env bash
# Builds the Windows installer Zorvalite-VERSION.msi around a Zorvalite.scr, from
# assets/windows/zorvalite.wxs with wixl (32-bit, per machine), reproducibly: wixl writes the
# current time and a random package code into the package's summary whatever the source says, so
# it runs with the clock stopped at SOURCE_DATE_EPOCH (faketime), and msibuild then rewrites the
# summary, at the same time, with a package code derived from the version and the commit. The
# product code is derived from the version: each version is a product of its own, which the next
# one replaces (the upgrade code in the source never changes).
#
# Usage: SOURCE_DATE_EPOCH=SECONDS scripts/build-msi.sh SCR VERSION COMMIT OUT.msi
# Called by scripts/release.sh; the release checks call it with a later version to upgrade.
set -euo pipefail
[ $# -eq 4 ] && [ -n "${SOURCE_DATE_EPOCH:-}" ] ||
  { echo "usage: SOURCE_DATE_EPOCH=SECONDS $0 SCR VERSION COMMIT OUT.msi" >&2; exit 2; }
scr=$1 version=$2 commit=$3 out=$4
assets=$(cd "$(dirname "$0")/../assets" && pwd)
export TZ=UTC

# A GUID from a name: the first 128 bits of its SHA-256, as Windows Installer writes GUIDs.
guid_of() {
  local h
  h=$(printf '%s' "$1" | sha256sum | tr a-f A-F)
  echo "{${h:0:8}-${h:8:4}-${h:12:4}-${h:16:4}-${h:20:12}}"
}

# wixl finds the files named in the source beside it, by relative names only. The file's time
# goes into the package's cabinet.
stage=$(mktemp -d "${TMPDIR:-/tmp}/zorvalite-msi.XXXXXX")
trap 'rm -rf "$stage"' EXIT
cp "$assets/windows/zorvalite.wxs" "$assets/zorvalite.ico" "$stage/"
cp "$scr" "$stage/Zorvalite.scr"
chmod 644 "$stage"/*
touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*

out=$(cd "$(dirname "$out")" && pwd)/$(basename "$out")
at=$(date -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S')
(cd "$stage" &&
  faketime -f "$at" wixl -a x86 -D Version="$version" -D ProductCode="$(guid_of "Zorvalite product $version")" \
    -o "$out" zorvalite.wxs)
faketime -f "$at" msibuild "$out" -s "Zorvalite screen saver" "The Zorvalite developers" "Intel;1033" \
  "$(guid_of "Zorvalite package $version $commit")"
