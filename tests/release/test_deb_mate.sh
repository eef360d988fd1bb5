#!/usr/bin/env bash
# The installed package under mate-screensaver, which starts display modes through their desktop
# entries and gives them only XSCREENSAVER_WINDOW (with DISPLAY, HOME, PATH, LANG and the D-Bus
# address): as an ordinary user in a D-Bus session, with the theme screensavers-zorvalite alone,
# --activate shows the reels, --deactivate ends them, and nothing of ours is left running.
source "$(dirname "$0")/../shells/x11/lib.sh"
source "$(dirname "$0")/../shells/x11/daemon_lib.sh"
source "$(dirname "$0")/lib.sh"
for tool in mate-screensaver dbus-launch gsettings; do
  command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/install-deps.sh package"
done
daemon_setup
release_install
cleanup() { daemon_cleanup; dpkg-query -W zorvalite >/dev/null 2>&1 && apt-get purge -y -qq zorvalite >/dev/null 2>&1; }

eval "$(as_user dbus-launch --sh-syntax)"
bus=DBUS_SESSION_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS
as_user "$bus" gsettings set org.mate.screensaver mode single
as_user "$bus" gsettings set org.mate.screensaver themes "['screensavers-zorvalite']"
as_user "$bus" gsettings set org.mate.screensaver lock-enabled false
themes=$(as_user "$bus" gsettings get org.mate.screensaver themes)
[ "$themes" = "['screensavers-zorvalite']" ] || fail "the theme was not set: $themes"

run_start as_user "$bus" mate-screensaver --no-daemon
saver_run=$RUN_NO
for _ in $(seq 100); do
  as_user "$bus" mate-screensaver-command --query >/dev/null 2>&1 && break
  sleep 0.1
done
as_user "$bus" mate-screensaver-command --query >/dev/null 2>&1 || fail "mate-screensaver does not answer: $(run_log "$saver_run")"

as_user "$bus" mate-screensaver-command --activate >"$TEST_TMP/activate.log" 2>&1 ||
  fail "--activate failed: $(cat "$TEST_TMP/activate.log")"
daemon_wait_zorvalite "$(run_log "$saver_run")"
program=$(readlink "/proc/$DAEMON_PID/exe")
[ "$program" = /usr/libexec/xscreensaver/zorvalite ] || fail "it runs $program, not the installed program"
daemon_wait_reels
pass "--activate: mate-screensaver runs the installed zorvalite (pid $DAEMON_PID) in its window $DAEMON_WINDOW; the screen shows the reels at $DAEMON_SHOWN"

as_user "$bus" mate-screensaver-command --deactivate >"$TEST_TMP/deactivate.log" 2>&1 ||
  fail "--deactivate failed: $(cat "$TEST_TMP/deactivate.log")"
daemon_wait_no_zorvalite
pass "--deactivate ends zorvalite"

daemon_cleanup
[ -z "$(daemon_marked)" ] || fail "processes of the session are left: $(daemon_marked)"
pass "nothing of the session is left"
release_purge
