#!/usr/bin/env bash
# "/A" (a password change) shows only the message box captioned Zorvalite, its Japanese text
# rendered (64-bit build), and ends when the box is closed; a number after the switch changes
# nothing.
source "$(dirname "$0")/lib.sh"
wine_setup

for args in "/A" "/a 1234"; do
  # shellcheck disable=SC2086
  wine_start $args
  box=$(wine_wait_window '^Zorvalite$') || fail "$args: no window captioned Zorvalite"
  sleep 0.5
  xdotool search --onlyvisible --name '^Form1$' >/dev/null 2>&1 && fail "$args: the saver window shows"
  # The box sizes itself by measuring its text, which Wine cannot do for 32-bit programs.
  if wine_paints; then
    shot="$WINE_TMP/message-${args//[^a-z0-9A-Z]/_}.png"
    wine_shot "$box" "$shot"
    # The text line between the caption and the OK button: Japanese glyphs give about 400 dark
    # pixels here; the hollow boxes of a missing font give about 230.
    width=$(identify -format '%w' "$shot")
    ink=$("$CONVERT" "$shot" -crop x22+0+24 +repage -threshold 50% -negate -format '%[fx:int(mean*w*h+0.5)]' info:)
    [ "$width" -ge 200 ] || fail "$args: message box only $width px wide, the text does not fit"
    [ "$ink" -ge 320 ] || fail "$args: the text line has $ink dark pixels; the Japanese text does not render ($shot)"
    pass "$args: message box ${width} px wide, text line $ink dark pixels"
  fi
  wine_running || fail "$args: ended before the box was closed"
  xdotool key --window "$box" Return
  code=$(wine_wait_exit 10)
  [ "$code" = 0 ] || fail "$args: exit code $code after closing the box"
  pass "$args ends when the box is closed"
done
