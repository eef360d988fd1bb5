#!/usr/bin/env bash
# "/P" (the preview in the display settings) ends at once and shows nothing; so does "/p 1234".
source "$(dirname "$0")/lib.sh"
wine_setup

for args in "/P" "/p 1234"; do
  # shellcheck disable=SC2086
  started=$EPOCHREALTIME
  wine_start $args
  code=$(wine_wait_exit 10)
  took=$(awk -v a="$started" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.2f", b - a }')
  [ "$code" = 0 ] || fail "$args: exit code $code, expected 0 at once"
  xdotool search --onlyvisible --name '.' >/dev/null 2>&1 && fail "$args: a window is showing"
  pass "$args ends with no window, $took s after the start (Wine's own start-up included)"
done
