#!/usr/bin/env bash
# Starts that race each other: a second and a third start at the same moment while the saver runs
# both end silently and the saver runs on; two savers started together make one window; and the
# single-instance token goes with the process that held it, even when that process is killed.
source "$(dirname "$0")/lib.sh"
wine_setup

saver_windows() { xdotool search --onlyvisible --name '^Form1$' 2>/dev/null | wc -l; }

# expect_silent RUN WHAT: that run ended with exit code 0 and showed nothing of its own.
expect_silent() {
  local code
  code=$(wine_wait_exit 10 "$1")
  [ "$code" = 0 ] || fail "$2: exit code $code (124: did not end)"
}

xdotool mousemove 600 500
wine_start /S
first=$WINE_RUN
saver=$(wine_wait_window '^Form1$') || fail "no saver window"
sleep 0.5

# A second and a third start at once, one for the saver and one for the dialog.
wine_start /S
second=$WINE_RUN
wine_start /C
third=$WINE_RUN
expect_silent "$second" "the second start"
expect_silent "$third" "the third start"
xdotool search --onlyvisible --name '^設定$' >/dev/null 2>&1 && fail "the third start opened the dialog"
[ "$(saver_windows)" = 1 ] || fail "$(saver_windows) saver windows after a second and third start"
wine_running "$first" || fail "the saver ended after the second and third start"
pass "a second and a third start at once end silently; the saver runs on"

xdotool windowfocus --sync "$saver" key space
[ "$(wine_wait_exit 10 "$first")" = 0 ] || fail "the saver did not end on a key"
pass "the saver still ends on a key"

# Two savers started together, nothing running: exactly one window, and the other start ends.
wine_start /S
a=$WINE_RUN
wine_start /S
b=$WINE_RUN
saver=$(wine_wait_window '^Form1$') || fail "neither of two savers started together shows a window"
sleep 1
[ "$(saver_windows)" = 1 ] || fail "$(saver_windows) saver windows from two starts at once"
if wine_running "$a" && wine_running "$b"; then fail "both savers started together still run"; fi
wine_running "$a" || wine_running "$b" || fail "both savers started together ended"
pass "of two savers started together, one runs and the other ended"

# Killed without its unload, the saver leaves nothing that refuses the next start.
"$WINE64" taskkill /F /IM Zorvalite.scr >/dev/null 2>&1 || fail "taskkill failed"
for run in "$a" "$b"; do wine_wait_exit 10 "$run" >/dev/null; done
[ "$(saver_windows)" = 0 ] || fail "the killed saver's window is still shown"
wine_start /S
saver=$(wine_wait_window '^Form1$') || fail "no saver window after the last one was killed"
sleep 0.5
wine_running || fail "the saver started after a killed one ended by itself"
xdotool windowfocus --sync "$saver" key space
[ "$(wine_wait_exit 10)" = 0 ] || fail "the saver started after a killed one did not end on a key"
pass "after a saver is killed, the next start runs the saver"
