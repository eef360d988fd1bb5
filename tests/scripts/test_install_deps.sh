#!/usr/bin/env bash
# The set-up (scripts/install-deps.sh, scripts/install-wine32.sh) against stand-ins for apt-get,
# apt-cache, dpkg, dpkg-query and sudo on PATH, which log their calls and touch nothing of the
# machine: every package counts as missing, so the set-up asks the stand-in apt-get for them.
# A failing apt-get update is tried 3 times, then the set-up says so in one line and installs from
# the lists it has; an update that fails once is tried again without a word; a failed install or
# download of Wine's 32-bit libraries ends it, naming the packages and apt's own message.
set -u
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
tmp=$(mktemp -d /tmp/zv-install-deps.XXXXXX)
trap 'rm -rf "$tmp"' EXIT
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

mkdir "$tmp/bin"
# apt-get: FAIL_UPDATES updates fail (then they succeed), FAIL_VERB (install, download) fails.
cat >"$tmp/bin/apt-get" <<'STANDIN'
#!/bin/bash
echo "apt-get $*" >>"$STANDIN_LOG"
for verb in "$@"; do case $verb in update|install|download) break ;; esac; done
case $verb in
  update)
    n=$(grep -c '^apt-get .* update' "$STANDIN_LOG")
    if [ "$n" -le "${FAIL_UPDATES:-0}" ]; then
      echo "E: Failed to fetch http://deb.example/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (1 != 2). Mirror sync in progress?" >&2
      echo "E: Some index files failed to download. They have been ignored, or old ones used instead." >&2
      exit 100
    fi ;;
  "${FAIL_VERB:-}")
    echo "E: Unable to locate package zz-no-such-package" >&2
    exit 100 ;;
  download)
    # libwine:i386=VERSION, as a package holding the one file the set-up checks.
    mkdir -p root/DEBIAN root/usr/lib/i386-linux-gnu/wine/i386-windows
    printf 'Package: libwine\nVersion: 1\nArchitecture: i386\nMaintainer: t <t@t>\nDescription: t\n' >root/DEBIAN/control
    echo ntdll >root/usr/lib/i386-linux-gnu/wine/i386-windows/ntdll.dll
    dpkg-deb -b root libwine_1_i386.deb >/dev/null && rm -r root ;;
esac
STANDIN
cat >"$tmp/bin/dpkg-query" <<'STANDIN'
#!/bin/bash
echo "dpkg-query $*" >>"$STANDIN_LOG"
case "$*" in *libwine:amd64*) echo -n 8.0-test ;; *) exit 1 ;; esac
STANDIN
cat >"$tmp/bin/dpkg" <<'STANDIN'
#!/bin/bash
echo "dpkg $*" >>"$STANDIN_LOG"
[ "$*" = --print-foreign-architectures ] && echo i386
STANDIN
printf '#!/bin/bash\necho "apt-cache $*" >>"$STANDIN_LOG"\nexit 100\n' >"$tmp/bin/apt-cache"
printf '#!/bin/bash\necho "sudo $*" >>"$STANDIN_LOG"\nexec "$@"\n' >"$tmp/bin/sudo"
chmod +x "$tmp/bin"/*

# run NAME SCRIPT ARGS... with the stand-ins (and the environment given before it through env);
# sets status, err (its standard error) and log (the stand-ins' calls).
run() {
  local name=$1
  shift
  mkdir "$tmp/$name" "$tmp/$name/i386-windows"
  env PATH="$tmp/bin:$PATH" STANDIN_LOG="$tmp/$name/calls" ZV_APT_PAUSE=0.1 \
    ZV_WINE_I386_DIR="$tmp/$name/i386-windows" "$@" >"$tmp/$name/out" 2>"$tmp/$name/err"
  status=$?
  err=$(cat "$tmp/$name/err") log=$(cat "$tmp/$name/calls" 2>/dev/null)
}
# updates N: the number of apt-get updates the last run asked for.
updates() { grep -c '^apt-get .* update' <<<"$log"; }
said() { grep -c "$1" <<<"$err"; }
# Every package of the native group reached the stand-in apt-get install.
native_install='^apt-get .* install -y -qq --no-install-recommends cmake g\+\+ .* wayland-protocols$'

run stale FAIL_UPDATES=99 bash "$scripts/install-deps.sh" native
{ [ "$status" = 0 ] && [ "$(updates)" = 3 ] && grep -Eq "$native_install" <<<"$log" &&
  [ "$(said 'apt-get update failed')" = 1 ] && [ "$(grep -vc '^Installing: ' <<<"$err")" = 1 ] &&
  [ "$(said 'Mirror sync in progress')" = 1 ]; } ||
  fail "update failing 3 times: status $status, said: $err; apt calls: $(grep "^apt" <<<"$log")"

run flaky FAIL_UPDATES=1 bash "$scripts/install-deps.sh" native
{ [ "$status" = 0 ] && [ "$(updates)" = 2 ] && grep -Eq "$native_install" <<<"$log" &&
  [ "$(grep -vc '^Installing: ' <<<"$err")" = 0 ]; } ||
  fail "update failing once: status $status, said: $err; apt calls: $(grep "^apt" <<<"$log")"

run install FAIL_VERB=install bash "$scripts/install-deps.sh" native
{ [ "$status" = 1 ] && [ "$(said '^Cannot install cmake g++ .* wayland-protocols')" = 1 ] &&
  [ "$(said '^E: Unable to locate package zz-no-such-package$')" = 1 ]; } ||
  fail "install failing: status $status, said: $err; apt calls: $(grep "^apt" <<<"$log")"

run wine32 FAIL_UPDATES=99 bash "$scripts/install-wine32.sh"
{ [ "$status" = 0 ] && [ "$(updates)" = 3 ] && [ "$(said 'apt-get update failed')" = 1 ] &&
  [ "$(cat "$tmp/wine32/i386-windows/ntdll.dll")" = ntdll ] &&
  [ "$(cat "$tmp/wine32/i386-windows/.libwine-i386-version")" = 8.0-test ] &&
  grep -q '^apt-get download -qq libwine:i386=8.0-test$' <<<"$log"; } ||
  fail "wine32, update failing: status $status, said: $err; apt calls: $(grep "^apt" <<<"$log")"

run download FAIL_VERB=download bash "$scripts/install-wine32.sh"
{ [ "$status" = 1 ] && [ "$(said '^Cannot download libwine:i386 8.0-test')" = 1 ] &&
  [ "$(said '^E: Unable to locate package zz-no-such-package$')" = 1 ] &&
  [ ! -e "$tmp/download/i386-windows/.libwine-i386-version" ]; } ||
  fail "wine32, download failing: status $status, said: $err; apt calls: $(grep "^apt" <<<"$log")"

# Nothing went past the stand-ins: no architecture added.
grep -h '^dpkg ' "$tmp"/*/calls | grep -vq -- '--print-foreign-architectures$' && fail "dpkg was asked to change the machine"
[ "$failed" = 0 ] && echo "ok: the set-up against a failing apt-get"
exit $failed
