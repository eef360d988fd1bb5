# Shared helpers of the checks that run a real screen-saver daemon (XScreenSaver,
# mate-screensaver), which run display modes only for an ordinary user: source it after lib.sh.
#
#   daemon_setup                 # the test user (created once, as root), a private Xvfb the user
#                                # may reach, and DAEMON_HOME, a home of the user's in the test's folder
#   run_start as_user PROGRAM... # a daemon in the background, as the user
#   as_user [VAR=VALUE...] PROGRAM ARGS...   # runs it as the user, in a daemon's bare environment
#   pids=$(zorvalite_pids)       # the display mode's processes that the user's daemons started
#   daemon_wait_zorvalite WHAT   # waits until a daemon has started the display mode in its window;
#                                # sets DAEMON_PID and DAEMON_WINDOW (WHAT: the daemon's log, for a failure)
#   daemon_wait_reels            # waits until the screen shows the reels; sets DAEMON_SHOWN
#   daemon_wait_no_zorvalite     # waits until no display mode of theirs runs
#
# Every process as_user starts carries a marker in its environment (a daemon may give its display
# modes a bare environment: their parent is then marked); teardown ends them all by PID. The test
# user zvsaver stays for the next run.

DAEMON_USER=zvsaver
DAEMON_HOME=""
DAEMON_SHOWN=""
DAEMON_PID=""
DAEMON_WINDOW=""

daemon_setup() {
  if ! id "$DAEMON_USER" >/dev/null 2>&1; then
    [ "$(id -u)" = 0 ] || skip "needs root once, to create the user $DAEMON_USER"
    useradd --no-create-home --shell /usr/sbin/nologin "$DAEMON_USER" 2>/dev/null ||
      id "$DAEMON_USER" >/dev/null 2>&1 || fail "cannot create the user $DAEMON_USER"
  fi
  [ "$(id -u)" = 0 ] || skip "needs root to run a daemon as $DAEMON_USER"
  # The user must reach the display.
  x11_setup -ac
  chmod 755 "$TEST_TMP"
  DAEMON_HOME=$TEST_TMP/home
  mkdir "$DAEMON_HOME"
  chown "$DAEMON_USER" "$DAEMON_HOME"
}

# as_user [VAR=VALUE...] PROGRAM ARGS...
as_user() {
  runuser -u "$DAEMON_USER" -- env -i DISPLAY="$DISPLAY" HOME="$DAEMON_HOME" PATH=/usr/bin:/bin LANG=C.UTF-8 \
    ZV_DAEMON_TEST="$TEST_TMP" "$@"
}

# daemon_marked: the PIDs of the processes as_user started, and of theirs.
daemon_marked() {
  local environ pid
  for environ in /proc/[0-9]*/environ; do
    pid=${environ#/proc/} pid=${pid%/environ}
    tr '\0' '\n' 2>/dev/null <"$environ" | grep -qxF "ZV_DAEMON_TEST=$TEST_TMP" && echo "$pid"
  done
}

# zorvalite_pids: the display mode's processes, marked or children of marked ones.
zorvalite_pids() {
  local marked pid parent
  marked=" $(daemon_marked | tr '\n' ' ') "
  for pid in $(ls /proc | grep -E '^[0-9]+$'); do
    [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = zorvalite ] || continue
    parent=$(awk '{ print $4 }' "/proc/$pid/stat" 2>/dev/null)
    [[ "$marked" == *" $pid "* || "$marked" == *" $parent "* ]] && echo "$pid"
  done
}

daemon_wait_zorvalite() {
  local _
  DAEMON_PID=""
  for _ in $(seq 100); do
    DAEMON_PID=$(zorvalite_pids)
    [ -n "$DAEMON_PID" ] && break
    sleep 0.1
  done
  [ -n "$DAEMON_PID" ] || fail "the daemon did not start zorvalite: $1"
  DAEMON_WINDOW=$(tr '\0' '\n' <"/proc/$DAEMON_PID/environ" | sed -n 's/^XSCREENSAVER_WINDOW=//p')
  [ -n "$DAEMON_WINDOW" ] || fail "zorvalite runs without XSCREENSAVER_WINDOW"
}

# daemon_wait_reels: waits (up to 10 s) until the screen shows the reels: something lit, no larger
# than the display block.
daemon_wait_reels() {
  local i lit w h
  DAEMON_SHOWN=""
  for i in $(seq 20); do
    sleep 0.5
    x11_shot root "$TEST_TMP/screen$i.png"
    lit=$(lit "$TEST_TMP/screen$i.png")
    w=${lit%%x*} h=${lit#*x} && h=${h%%+*}
    if [ "$w" -gt 0 ] && [ "$w" -le 130 ] && [ "$h" -le 68 ]; then
      DAEMON_SHOWN=$lit
      return 0
    fi
  done
  fail "the screen does not show the reels (last: $lit, screen$i.png)"
}

daemon_wait_no_zorvalite() {
  local _
  for _ in $(seq 50); do
    [ -z "$(zorvalite_pids)" ] && return 0
    sleep 0.1
  done
  fail "zorvalite still runs: $(zorvalite_pids)"
}

# daemon_cleanup: ends every marked process, and the display modes they started. Teardown runs it
# (a test that defines its own cleanup calls it there).
cleanup() { daemon_cleanup; }
daemon_cleanup() {
  local pid round
  for round in 1 2 3; do
    pid="$(zorvalite_pids) $(daemon_marked)"
    [ -n "${pid// /}" ] || return 0
    kill -TERM $pid 2>/dev/null
    sleep 0.5
  done
  pid="$(zorvalite_pids) $(daemon_marked)"
  [ -z "${pid// /}" ] || { kill -KILL $pid 2>/dev/null; log "had to kill $pid"; }
}

# xscreensaver_cycle PROGRAM_LINE: the XScreenSaver daemon, its only display mode PROGRAM_LINE as a
# line of `programs:` in ~/.xscreensaver: -activate shows the reels in the window the daemon gives
# through XSCREENSAVER_WINDOW, -deactivate ends the display mode, and nothing of the daemon's is
# left once it exits.
xscreensaver_cycle() {
  command -v xscreensaver >/dev/null || fail "xscreensaver is not installed: run scripts/install-deps.sh x11"
  local daemon_run _
  cat >"$DAEMON_HOME/.xscreensaver" <<SETTINGS
mode: one
selected: 0
timeout: 1:00:00
lock: False
fade: False
unfade: False
splash: False
dpmsEnabled: False
programs: $1 \\n
SETTINGS
  chown "$DAEMON_USER" "$DAEMON_HOME/.xscreensaver"
  run_start as_user xscreensaver -no-splash
  daemon_run=$RUN_NO
  for _ in $(seq 100); do
    as_user xscreensaver-command -version >/dev/null 2>&1 && break
    sleep 0.1
  done
  as_user xscreensaver-command -version >/dev/null 2>&1 || fail "the daemon did not answer: $(run_log "$daemon_run")"

  as_user xscreensaver-command -activate >"$TEST_TMP/activate.log" 2>&1 || fail "-activate failed: $(cat "$TEST_TMP/activate.log")"
  daemon_wait_zorvalite "$(run_log "$daemon_run")"
  daemon_wait_reels
  pass "-activate: the daemon runs '$1' (pid $DAEMON_PID) in its window $DAEMON_WINDOW; the screen shows the reels at $DAEMON_SHOWN"

  as_user xscreensaver-command -deactivate >"$TEST_TMP/deactivate.log" 2>&1 || fail "-deactivate failed: $(cat "$TEST_TMP/deactivate.log")"
  daemon_wait_no_zorvalite
  pass "-deactivate ends zorvalite"

  as_user xscreensaver-command -exit >/dev/null 2>&1
  daemon_cleanup
  [ -z "$(daemon_marked)" ] || fail "processes of the daemon are left: $(daemon_marked)"
  pass "no process of the daemon is left"
}
