# Shared helpers of the checks of the release's files (tests/release/test_*.sh): source it after
# the lib.sh of the tests they build on (tests/shells/x11 or tests/wine).
#
#   release_file KIND            # the path of the release's zip, msi, deb, web or source archive
#   release_version              # the version the release was made of (from its source archive)
#   release_run_saver PROGRAM    # under Wine (tests/wine/lib.sh, set up): the Zorvalite.scr at the
#                                # Windows path PROGRAM runs: "/c" and OK write the two settings
#                                # to the store, "/s" shows the saver and a key ends it
#   release_install              # apt-get installs the .deb (purging an earlier install first)
#   release_purge                # apt-get purges it and checks that nothing of it is left
#
# Environment (CTest sets it): ZV_RELEASE_DIR, the folder scripts/release.sh made.

[ -d "${ZV_RELEASE_DIR:-}" ] || { echo "ZV_RELEASE_DIR does not name the release's folder: run it through ctest" >&2; exit 1; }
RELEASE_FILES=""

release_file() {
  local pattern
  case "$1" in
    zip) pattern='Zorvalite-*-windows.zip' ;;
    msi) pattern='Zorvalite-*.msi' ;;
    deb) pattern='zorvalite_*_amd64.deb' ;;
    web) pattern='zorvalite-*-web.zip' ;;
    source) pattern='zorvalite-*.tar.gz' ;;
  esac
  # SHA256SUMS names the release's files.
  local name
  name=$(awk -v p="$pattern" '{ n = $2; sub(/^\*/, "", n) } n ~ ("^" glob(p) "$") { print n }
    function glob(s) { gsub(/\./, "\\.", s); gsub(/\*/, ".*", s); return s }' "$ZV_RELEASE_DIR/SHA256SUMS")
  [ -n "$name" ] || fail "SHA256SUMS lists no $pattern"
  echo "$ZV_RELEASE_DIR/$name"
}

release_version() {
  local name
  name=$(basename "$(release_file source)" .tar.gz)
  echo "${name#zorvalite-}"
}

release_install() {
  dpkg-query -W zorvalite >/dev/null 2>&1 && apt-get purge -y -qq zorvalite >/dev/null 2>&1
  DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 install -y -qq "$(release_file deb)" \
    >"$TEST_TMP/install.log" 2>&1 || fail "apt-get install failed: $(cat "$TEST_TMP/install.log")"
  # What purge must take away again: every file of the package.
  RELEASE_FILES=$(dpkg -L zorvalite | while read -r path; do [ -d "$path" ] || echo "$path"; done)
}

release_purge() {
  DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 purge -y -qq zorvalite \
    >"$TEST_TMP/purge.log" 2>&1 || fail "apt-get purge failed: $(cat "$TEST_TMP/purge.log")"
  dpkg-query -W -f='${db:Status-Status}' zorvalite 2>/dev/null | grep -qv '^not-installed$' &&
    fail "dpkg still knows the package after purge"
  local path left=""
  for path in $RELEASE_FILES /usr/share/doc/zorvalite; do [ -e "$path" ] && left="$left $path"; done
  [ -z "$left" ] || fail "purge left:$left"
  pass "apt-get purge leaves nothing of the package"
}

release_run_saver() {
  local key='HKCU\Software\Zorvalite\Options' dialog saver
  wine_start_exe "$1" /c
  dialog=$(wine_wait_window '^設定$') || fail "\"/c\" shows no settings dialog"
  # OK has the focus when the dialog opens.
  xdotool windowfocus --sync "$dialog" key Return
  [ "$(wine_wait_exit 10)" = 0 ] || fail "OK did not end the dialog"
  [ "$(wine_reg_query "$key" Level) $(wine_reg_query "$key" Spec)" = "301 0" ] ||
    fail "OK wrote Level '$(wine_reg_query "$key" Level)', Spec '$(wine_reg_query "$key" Spec)'"
  pass "\"/c\": OK writes Level 301 and Spec 0 to the store"

  xdotool mousemove 600 0
  wine_start_exe "$1" /s
  saver=$(wine_wait_window '^Form1$') || fail "\"/s\" shows no saver window"
  sleep 1
  wine_running || fail "the saver ended by itself"
  xdotool windowfocus --sync "$saver" key a
  [ "$(wine_wait_exit 10)" = 0 ] || fail "a key did not end the saver"
  pass "\"/s\": the saver runs and a key ends it"
}
