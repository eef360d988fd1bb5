#!/usr/bin/env bash
# The real XScreenSaver daemon (Debian's xscreensaver), run as an ordinary user as it requires,
# with `zorvalite --root` as its only display mode: xscreensaver-command -activate shows the
# reels on the screen, in the window the daemon gives through XSCREENSAVER_WINDOW, and
# -deactivate ends the program. Everything the daemon started is ended at the end (the test user
# may stay).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/daemon_lib.sh"
daemon_setup
# The program where the user may run it.
cp "$ZV_ZORVALITE" "$DAEMON_HOME/zorvalite"
xscreensaver_cycle "$DAEMON_HOME/zorvalite --root"
