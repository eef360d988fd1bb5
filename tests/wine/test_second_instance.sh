#!/usr/bin/env bash
# While the saver runs, a second start ends silently whatever its switch: no window, no
# message; the running saver goes on until its own quit.
source "$(dirname "$0")/lib.sh"
wine_setup

xdotool mousemove 600 500
wine_start /S
first=$WINE_RUN
saver=$(wine_wait_window '^Form1$') || fail "no saver window"
sleep 0.5

for args in "/S" "/s 5" "/A" "/C" "/P" ""; do
  # shellcheck disable=SC2086
  wine_start $args
  code=$(wine_wait_exit 10)
  [ "$code" = 0 ] || fail "second instance '$args': exit code $code (124: did not end)"
  for name in '^Zorvalite$' '^設定$'; do
    xdotool search --onlyvisible --name "$name" >/dev/null 2>&1 && fail "second instance '$args' shows a window $name"
  done
  count=$(xdotool search --onlyvisible --name '^Form1$' | wc -l)
  [ "$count" = 1 ] || fail "second instance '$args': $count saver windows"
  wine_running "$first" || fail "the first saver ended after a second start '$args'"
  pass "second instance '$args' ends silently"
done

xdotool windowfocus --sync "$saver" key space
code=$(wine_wait_exit 10 "$first")
[ "$code" = 0 ] || fail "the first saver: exit code $code after a key"
pass "the first saver still ends on a key"
