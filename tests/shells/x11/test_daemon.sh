#!/usr/bin/env bash
# The real XScreenSaver daemon (Debian's xscreensaver), run as an ordinary user as it requires,
# with `zorvalite --root` as its only display mode: xscreensaver-command -activate shows the
# reels on the screen, in the window the daemon gives through XSCREENSAVER_WINDOW, and
# -deactivate ends the program. Everything the daemon started is ended at the end (the test user
# may stay).
source "$(dirname "$0")/lib.sh"
user=zvsaver
command -v xscreensaver >/dev/null || fail "xscreensaver is not installed: run scripts/install-deps.sh x11"
if ! id "$user" >/dev/null 2>&1; then
  [ "$(id -u)" = 0 ] || skip "needs root once, to create the user $user"
  useradd --no-create-home --shell /usr/sbin/nologin "$user" 2>/dev/null || id "$user" >/dev/null 2>&1 ||
    fail "cannot create the user $user"
fi
[ "$(id -u)" = 0 ] || skip "needs root to run the daemon as $user"
# The user must reach the display.
x11_setup -ac

# Every process the daemon starts inherits this marker; cleanup ends them by PID.
marker=$X11_TMP
marked() {
  local environ pid
  for environ in /proc/[0-9]*/environ; do
    pid=${environ#/proc/} pid=${pid%/environ}
    tr '\0' '\n' 2>/dev/null <"$environ" | grep -qxF "ZV_DAEMON_TEST=$marker" && echo "$pid"
  done
}
x11_cleanup() {
  local pid round
  for round in 1 2 3; do
    pid=$(marked)
    [ -n "$pid" ] || return 0
    kill -TERM $pid 2>/dev/null
    sleep 0.5
  done
  pid=$(marked)
  [ -z "$pid" ] || { kill -KILL $pid 2>/dev/null; log "had to kill $pid"; }
}
# as_user COMMAND...: runs it as the test user in the daemon's environment.
as_user() {
  runuser -u "$user" -- env -i DISPLAY="$DISPLAY" HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 \
    ZV_DAEMON_TEST="$marker" "$@"
}
# zorvalite_pids: the display mode's processes.
zorvalite_pids() {
  local pid
  for pid in $(marked); do [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = zorvalite ] && echo "$pid"; done
}

# The user's home, with the program and the daemon's settings: in the test's folder, which the
# user may enter.
chmod 755 "$X11_TMP"
home=$X11_TMP/home
mkdir "$home"
cp "$ZV_ZORVALITE" "$home/zorvalite"
cat >"$home/.xscreensaver" <<SETTINGS
mode: one
selected: 0
timeout: 1:00:00
lock: False
fade: False
unfade: False
splash: False
dpmsEnabled: False
programs: $home/zorvalite --root \\n
SETTINGS
chown -R "$user" "$home"
x11_start as_user xscreensaver -no-splash
daemon_run=$X11_RUN
ready=""
for _ in $(seq 100); do
  as_user xscreensaver-command -version >/dev/null 2>&1 && { ready=yes; break; }
  sleep 0.1
done
[ -n "$ready" ] || fail "the daemon did not answer: $(x11_log "$daemon_run")"

as_user xscreensaver-command -activate >"$X11_TMP/activate.log" 2>&1 || fail "-activate failed: $(cat "$X11_TMP/activate.log")"
for _ in $(seq 100); do
  pids=$(zorvalite_pids)
  [ -n "$pids" ] && break
  sleep 0.1
done
[ -n "$pids" ] || fail "the daemon did not start zorvalite: $(x11_log "$daemon_run")"
window=$(tr '\0' '\n' <"/proc/$pids/environ" | sed -n 's/^XSCREENSAVER_WINDOW=//p')
[ -n "$window" ] || fail "zorvalite runs without XSCREENSAVER_WINDOW"
shown=""
for i in $(seq 20); do
  sleep 0.5
  x11_shot root "$X11_TMP/screen$i.png"
  lit=$(x11_lit "$X11_TMP/screen$i.png")
  w=${lit%%x*} h=${lit#*x} && h=${h%%+*}
  if [ "$w" -gt 0 ] && [ "$w" -le 130 ] && [ "$h" -le 68 ]; then shown=$lit; break; fi
done
[ -n "$shown" ] || fail "the screen does not show the reels (last: $lit, screen$i.png)"
pass "-activate: the daemon runs zorvalite --root (pid $pids) in its window $window; the screen shows the reels at $shown"

as_user xscreensaver-command -deactivate >"$X11_TMP/deactivate.log" 2>&1 || fail "-deactivate failed: $(cat "$X11_TMP/deactivate.log")"
for _ in $(seq 50); do
  [ -z "$(zorvalite_pids)" ] && break
  sleep 0.1
done
[ -z "$(zorvalite_pids)" ] || fail "zorvalite still runs after -deactivate"
pass "-deactivate ends zorvalite"

as_user xscreensaver-command -exit >/dev/null 2>&1
x11_cleanup
[ -z "$(marked)" ] || fail "processes of the daemon are left: $(marked)"
pass "no process of the daemon is left"
