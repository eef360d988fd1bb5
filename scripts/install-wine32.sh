#!/usr/bin/env bash
# Lets Debian's 64-bit Wine run the shipped 32-bit Zorvalite.scr: Wine 8 runs 32-bit Windows
# programs without any 32-bit Linux library (its wow64 mode) once its own i386-windows folder holds
# the 32-bit Windows-side libraries. Those come from Debian's libwine:i386 of the same version as
# the installed Wine; the package is downloaded and unpacked, never installed (it would pull in the
# whole 32-bit Linux Wine, which this kernel cannot run). Adds the i386 architecture to apt's
# sources for that, and writes nothing but the files of that one folder. Does nothing when they are
# already there for the installed Wine version. Called by scripts/install-deps.sh wine32.
# ZV_WINE_I386_DIR names another folder for that one (the set-up's own test).
set -euo pipefail
source "$(dirname "$0")/lib.sh"
target=${ZV_WINE_I386_DIR:-/usr/lib/x86_64-linux-gnu/wine/i386-windows}
stamp=$target/.libwine-i386-version
version=$(dpkg-query -W -f='${Version}' libwine:amd64 2>/dev/null) ||
  { echo "64-bit Wine is not installed (scripts/install-deps.sh wine)" >&2; exit 1; }
[ -d "$target" ] || { echo "no $target: not Debian's 64-bit Wine" >&2; exit 1; }
[ "$(cat "$stamp" 2>/dev/null)" = "$version" ] && exit 0

SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
# One set-up at a time: the lock is the folder itself.
exec 9<"$target"
flock 9
[ "$(cat "$stamp" 2>/dev/null)" = "$version" ] && exit 0

echo "Adding Wine's 32-bit Windows libraries (libwine:i386 $version, unpacked) to $target" >&2
dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
apt-cache show "libwine:i386=$version" >/dev/null 2>&1 || apt_update $SUDO
work=$(mktemp -d /tmp/zv-libwine-i386.XXXXXX)
trap 'rm -rf "$work"' EXIT
# apt downloads as its own user where that user may write.
[ "$(id -u)" -ne 0 ] || ! id _apt >/dev/null 2>&1 || chown _apt "$work"
cd "$work"
apt_try apt-get download -qq "libwine:i386=$version" ||
  { echo "Cannot download libwine:i386 $version: apt-get says" >&2; echo "$APT_OUTPUT" >&2; exit 1; }
dpkg-deb -x "$work"/libwine_*_i386.deb "$work/root"
source=$work/root/usr/lib/i386-linux-gnu/wine/i386-windows
[ -f "$source/ntdll.dll" ] || { echo "libwine:i386 $version holds no i386-windows/ntdll.dll" >&2; exit 1; }
$SUDO cp -r --preserve=mode,timestamps "$source/." "$target/"
# Written last: a set-up cut short leaves no stamp and is redone in full.
echo "$version" | $SUDO tee "$stamp" >/dev/null
echo "Added $(find "$source" -type f | wc -l) files" >&2
