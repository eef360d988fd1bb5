#!/usr/bin/env bash
# The Debian package, installed for real: lintian finds nothing (no error, no warning; an override
# only with its reason, in debian/); apt-get install puts exactly its files where the daemons look,
# with the manual page zorvalite(6) and the machine-readable copyright; the installed program shows
# the release's version; the XScreenSaver daemon, as an ordinary user with the one `programs:`
# line the README gives, shows its reels; apt-get purge leaves nothing of it.
source "$(dirname "$0")/../shells/x11/lib.sh"
source "$(dirname "$0")/../shells/x11/daemon_lib.sh"
source "$(dirname "$0")/lib.sh"
command -v lintian >/dev/null || fail "lintian is missing: run scripts/install-deps.sh package"
deb=$(release_file deb)
version=$(release_version)

daemon_setup
cleanup() { daemon_cleanup; dpkg-query -W zorvalite >/dev/null 2>&1 && apt-get purge -y -qq zorvalite >/dev/null 2>&1; }

lintian --fail-on error,warning "$deb" >"$TEST_TMP/lintian.log" 2>&1 || fail "lintian: $(cat "$TEST_TMP/lintian.log")"
fields=$(dpkg-deb -f "$deb" Section Suggests Enhances Depends | tr '\n' '|')
for want in 'Section: x11|' 'Suggests: xscreensaver|' 'Enhances: mate-screensaver, xscreensaver|' 'libx11-6' 'libwayland-client0'; do
  [[ "$fields" == *"$want"* ]] || fail "the package's fields lack '$want': $fields"
done
pass "lintian finds no error or warning; Section x11, Suggests xscreensaver, Enhances both daemons, Depends computed (X11 and Wayland) ($(dpkg-deb -f "$deb" Depends))"

release_install
expected="/usr/bin/zorvalite
/usr/libexec/xscreensaver/zorvalite
/usr/share/applications/screensavers/zorvalite.desktop
/usr/share/doc/zorvalite/changelog.Debian.gz
/usr/share/doc/zorvalite/changelog.gz
/usr/share/doc/zorvalite/copyright
/usr/share/lintian/overrides/zorvalite
/usr/share/man/man6/zorvalite.6.gz
/usr/share/xscreensaver/config/zorvalite.xml"
[ "$(sort <<<"$RELEASE_FILES")" = "$expected" ] || fail "the package's files differ:$(diff <(echo "$expected") <(sort <<<"$RELEASE_FILES"))"
[ "$(readlink -f /usr/bin/zorvalite)" = /usr/libexec/xscreensaver/zorvalite ] || fail "/usr/bin/zorvalite is not the program"
[ "$(man -w 6 zorvalite)" = /usr/share/man/man6/zorvalite.6.gz ] || fail "man -w 6 zorvalite: $(man -w 6 zorvalite 2>&1)"
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l /usr/share/man/man6/zorvalite.6.gz 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page has warnings: $warnings"
head -n1 /usr/share/doc/zorvalite/copyright | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not in the machine-readable format"
[ "$(/usr/libexec/xscreensaver/zorvalite --version)" = "zorvalite $version" ] ||
  fail "zorvalite --version: $(/usr/libexec/xscreensaver/zorvalite --version 2>&1), not $version"
pass "installed: the program (and on the PATH), the settings page, the desktop entry, zorvalite(6), the copyright and changelogs; version $version"

# The line the README gives: the daemon finds the program in its own folder.
xscreensaver_cycle "zorvalite --root"
release_purge
