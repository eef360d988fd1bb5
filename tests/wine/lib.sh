# Shared helpers of the Wine tests: source it from a bash test script (tests/wine/test_<what>.sh).
#
#   source "$(dirname "$0")/lib.sh"
#   wine_setup                          # private Xvfb on a free display, private prefix, wineserver kept up
#   wine_start /S                       # the .scr in the background, under timeout; sets WINE_PID
#   w=$(wine_wait_window '^Form1$')     # X window id of the first visible window so named
#   wine_shot "$w" "$WINE_TMP/saver.png"
#   xdotool windowfocus --sync "$w" key a   # no window manager: focus the window first
#   code=$(wine_wait_exit 10)           # the program's exit code (124: still running, then ended)
#   probe=$(wine_tool window_probe) || fail "no window probe"   # a helper the Windows preset built
#   ok=$(control_id CmdOk)              # a control id of the dialog, from config_controls.h
#   pass "ended on a key"               # or: fail "why"  (fail exits 1; teardown runs from the trap)
#
# Call wine_start and fail in the test's own shell: inside $(...) a run is not remembered and
# fail ends only the subshell. Xvfb runs with -noreset, so X settings (xset) stay between clients.
#
#   wine_paints || { log "..."; }       # pixel checks only where Wine paints the program's windows
#
# Environment:
#   ZV_SCR            the Zorvalite.scr under test (required)
#   ZV_SCR_BITS       64 (default) or 32: which build ZV_SCR is. Wine runs the 32-bit build in its
#                     wow64 mode, with the 32-bit Windows libraries that scripts/install-deps.sh
#                     wine32 adds; in that mode it paints nothing a 32-bit program draws
#   ZV_SCR32          the 32-bit Zorvalite.scr, for the checks of both files (optional)
#   ZV_FAULT_SCR      ZorvaliteFault.scr of the same build, the test-only build that forces a
#                     run-time error (tests/wine/fault_build; for test_fault_report.sh)
#   ZV_WINDOWS_BUILD  the 64-bit Windows build, whose helpers (tests/wine/probes, render_probe)
#                     the tests run (default: the build ZV_SCR lies in)
#   ZV_X_CURSOR       the X cursor probe (tests/wine/x_cursor.cpp, built by the native build)
#   ZV_WINE_TEMPLATE  the template prefix made by prepare-prefix.sh (made here under a lock if absent)
#   ZV_WINE_TIMEOUT   seconds after which a started program is killed (default 60)
#   ZV_WINE_KEEP      a folder where tests copy the screenshots worth showing (optional)
# CTest runs every tests/wine/test_*.sh (label "wine", serially) once per build when the native
# build is configured with -DZV_WINE_SCR=<the 64-bit .scr> -DZV_WINE_SCR32=<the 32-bit .scr> and
# the fault builds; scripts/test.sh does that. See tests/wine/CMakeLists.txt.
# Teardown (on any exit) ends what the test started, by PID, stops the prefix's wineserver and the
# Xvfb, and removes the prefix and the server folder Wine made for it under /tmp; a failed test
# keeps its screenshots in $WINE_TMP and says so.

# Unset variables are errors. No pipefail: `producer | grep -q` would fail whenever grep stops
# reading early.
set -u

WINE_LIB_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$WINE_LIB_DIR/../../scripts/lib.sh"
WINE_I386_LIBS=/usr/lib/x86_64-linux-gnu/wine/i386-windows
CONVERT=/usr/bin/convert
WINE_TMP=""
WINE_PID=""
WINE_RUN=0
WINE_XVFB_PID=""
WINE_SERVER_PID=""
WINE_TEST_NAME=$(basename "$0" .sh)

log() { echo "[$WINE_TEST_NAME] $*" >&2; }
pass() { log "ok: $*"; }
fail() { log "FAIL: $*"; exit 1; }
# skip WHY: the test cannot run here (CTest reports it as skipped, exit 77).
skip() { log "skipped: $*"; exit 77; }

# wine_setup [SCREEN=1024x768]: starts a private Xvfb (SCREEN, 24-bit) on a display number the
# server finds free, so that tests of several checkouts may run at once, and a private prefix
# copied from the template, with its wineserver kept up so that programs start in milliseconds.
# Exports DISPLAY, WINEPREFIX and the quiet Wine environment; sets WINE_TMP (a scratch folder for
# screenshots).
wine_setup() {
  local screen=${1:-1024x768}
  [ -n "${ZV_SCR:-}" ] || fail "ZV_SCR does not name the 64-bit Zorvalite.scr"
  [ -f "$ZV_SCR" ] || fail "no such file: $ZV_SCR"
  ZV_SCR=$(cd "$(dirname "$ZV_SCR")" && pwd)/$(basename "$ZV_SCR")
  [ -x "$WINE64" ] || fail "Wine is not installed ($WINE64); run scripts/install-deps.sh"
  if [ "${ZV_SCR_BITS:-64}" = 32 ]; then
    [ -f "$WINE_I386_LIBS/ntdll.dll" ] ||
      fail "Wine cannot run 32-bit programs: no $WINE_I386_LIBS/ntdll.dll (scripts/install-deps.sh wine32)"
  fi
  trap wine_teardown EXIT
  trap 'exit 130' INT TERM
  WINE_TMP=$(mktemp -d "/tmp/zv-wine-$WINE_TEST_NAME.XXXXXX")

  start_xvfb "$WINE_TMP" "$screen" || fail "no virtual display"
  WINE_XVFB_PID=$XVFB_PID

  local template=${ZV_WINE_TEMPLATE:-$WINE_LIB_DIR/../../build/native/wine-template}
  bash "$WINE_LIB_DIR/prepare-prefix.sh" "$template" || fail "cannot prepare $template"
  # Wine's own libraries, nearly all of the prefix's 1.3 GB, are linked rather than copied: no
  # program writes them, and the prefix's Wine version is the installed one, so no update rewrites
  # them either (prepare-prefix.sh remakes the template when Wine changes).
  local windows=drive_c/windows
  mkdir "$WINE_TMP/prefix" &&
    tar -C "$template" --exclude=./.ready --exclude="./$windows/system32" --exclude="./$windows/syswow64" \
      --exclude="./$windows/winsxs" -cf - . | tar -C "$WINE_TMP/prefix" -xf - &&
    cp -al "$template/$windows/system32" "$template/$windows/syswow64" "$template/$windows/winsxs" \
      "$WINE_TMP/prefix/$windows/" || fail "cannot copy $template"
  wine_environment "$WINE_TMP/prefix"
  "$WINESERVER" -f -p &
  WINE_SERVER_PID=$!
  log "${ZV_SCR_BITS:-64}-bit build, display $DISPLAY, prefix $WINEPREFIX"
}

# wine_paints: true when Wine shows what the program under test draws. Wine 8 runs 32-bit programs
# in its wow64 mode, where their drawing does nothing: windows keep empty client areas and memory
# device contexts stay white. Checks of pixels run for the 64-bit build only.
wine_paints() { [ "${ZV_SCR_BITS:-64}" = 64 ]; }

# wine_cursor_shown: true when the cursor shows, as the program under test left it. For the 64-bit
# build the X cursor is looked at (ZV_X_CURSOR: visible pixels). Over a 32-bit program's windows
# Wine's cursor is blank whatever the program does (its cursor images come out empty), so for the
# 32-bit build Windows is asked instead (window_probe.c: GetCursorInfo).
wine_cursor_shown() {
  if wine_paints; then
    [ "$("$ZV_X_CURSOR")" -gt 0 ]
  else
    local probe
    probe=$(wine_tool window_probe) || fail "no window_probe.exe: build the windows-x64 preset"
    "$WINE64" "$probe" Form1 2>/dev/null | tr -d '\r' | grep -qx 'cursor 1'
  fi
}

# wine_restart_server: stops the prefix's wineserver and starts it again, so that what the
# registry says of the display (DPI, monitors) takes effect. Nothing of the test may run then.
wine_restart_server() {
  "$WINESERVER" -k >/dev/null 2>&1
  wait "$WINE_SERVER_PID" 2>/dev/null
  "$WINESERVER" -f -p &
  WINE_SERVER_PID=$!
}

# wine_dpi DPI: the DPI Wine reports from now on (a restart of the wineserver).
wine_dpi() {
  wine_reg_add 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD "$1"
  wine_restart_server
}

# wine_start ARGS...: runs the .scr with ARGS in the background under timeout. Sets WINE_RUN (the
# number of this run, for wine_wait_exit) and WINE_PID (the timeout process that owns the program).
# Call it directly, not in $(...) or a function called so: the run must be remembered for
# wine_wait_exit and teardown.
wine_start() { wine_start_exe "$ZV_SCR" "$@"; }

# wine_start_exe PROGRAM ARGS...: as wine_start, for another Windows program (a helper of a test);
# what it writes to standard output goes to $WINE_TMP/out.$WINE_RUN.
wine_start_exe() {
  bg_start --out "$WINE_TMP/out.$((BG_RUN + 1))" "$WINE_TMP" "$WINE_TMP/wine.log" \
    timeout "${ZV_WINE_TIMEOUT:-60}" "$WINE64" "$@"
  WINE_RUN=$BG_RUN
  WINE_PID=$BG_PID
}

# wine_running [RUN]: true while that run (default: the last) still runs.
wine_running() { bg_running "$WINE_TMP" "${1:-$WINE_RUN}"; }

# wine_wait_window REGEX [SECONDS=20]: prints the X id of the first visible window whose name matches
# REGEX, once the same window has been found twice 0.2 s apart (Wine may replace the X window of
# a window it has just shown); fails (status 1, prints nothing) if none settles in time.
wine_wait_window() {
  local regex=$1 deadline=$((SECONDS + ${2:-20})) ids found=""
  while [ "$SECONDS" -le "$deadline" ]; do
    ids=$(xdotool search --onlyvisible --name "$regex" 2>/dev/null)
    ids=${ids%%$'\n'*}
    if [ -n "$ids" ] && [ "$ids" = "$found" ]; then
      echo "$ids"
      return 0
    fi
    found=$ids
    sleep 0.2
  done
  return 1
}

# wine_wait_exit [SECONDS=10] [RUN]: waits for that run (default: the last) to end and prints its
# exit code. If it still runs after SECONDS, it is ended (by its PID) and 124 is printed.
wine_wait_exit() { bg_wait_exit "$WINE_TMP" "${1:-10}" "${2:-$WINE_RUN}"; }

# wine_tool NAME: prints the path of a helper program of the 64-bit Windows build (a probe of
# tests/wine/probes, or render_probe); status 1, printing nothing, when it is not built. Without
# ZV_WINDOWS_BUILD, the build is the one ZV_SCR lies in, three folders down (src/shells/win32/, or
# tests/wine/fault_build/).
wine_tool() {
  local build=${ZV_WINDOWS_BUILD:-} dir=tests/wine/probes
  [ -n "$build" ] || build=$(cd "$(dirname "$ZV_SCR")/../../.." && pwd)
  [ "$1" = render_probe ] && dir=src/tools/render_probe
  [ -f "$build/$dir/$1.exe" ] || return 1
  echo "$build/$dir/$1.exe"
}

# control_id NAME: prints the id the configuration dialog gives its control NAME (CmdOk, Option1...),
# as src/shells/win32/config_controls.h numbers them.
control_id() {
  awk -v name="$1" '
    /^enum ControlId/ { inside = 1; next }
    inside && /^};/ { exit }
    inside {
      sub(/\/\/.*/, ""); gsub(/[ ,]/, "")
      if ($0 == "") next
      if (split($0, part, "=") == 2) id = part[2]; else id++
      if (part[1] == name) { print id; found = 1; exit }
    }
    END { exit !found }' "$WINE_LIB_DIR/../../src/shells/win32/config_controls.h"
}

# wine_shot WINDOW|root FILE: writes a PNG of the window (or the whole screen).
wine_shot() {
  import -window "$1" "png:$2" 2>/dev/null || fail "screenshot of $1 failed"
}

# wine_keep FILE: copies a screenshot worth showing into the folder ZV_WINE_KEEP names, if any.
wine_keep() {
  [ -n "${ZV_WINE_KEEP:-}" ] || return 0
  mkdir -p "$ZV_WINE_KEEP" && cp "$1" "$ZV_WINE_KEEP/$WINE_TEST_NAME-$(basename "$1")"
}

# wine_pixel FILE X Y: prints the colour of one pixel of a screenshot as "R,G,B" (0-255).
wine_pixel() {
  "$CONVERT" "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]\n" info:
}

# wine_colours FILE: prints the number of distinct colours in a screenshot.
wine_colours() { "$CONVERT" "$1" -format '%k\n' info:; }

# Registry of the prefix. KEY as Windows writes it, e.g. 'HKCU\Software\Zorvalite\Options'.
# wine_reg_add KEY NAME TYPE DATA   (TYPE: REG_SZ, REG_DWORD...)
# reg's output goes to a file, not a pipe: the first program of a prefix starts Wine's services,
# which keep its standard output and error open for as long as the wineserver lives.
wine_reg_add() {
  "$WINE64" reg add "$1" /v "$2" /t "$3" /d "$4" /f >"$WINE_TMP/reg.log" 2>&1 ||
    fail "reg add $1 $2 failed (status $?): $(tr -d '\r' <"$WINE_TMP/reg.log" | tail -5)"
}
# wine_reg_query KEY NAME: prints the data of the value; status 1 when the value is missing.
wine_reg_query() {
  local out
  out=$("$WINE64" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r') || return 1
  printf '%s\n' "$out" | awk -v name="$2" '
    { line = $0; sub(/^ +/, "", line) }
    index(line, name " ") == 1 { sub(/^[^ ]+ +REG_[A-Z_]+ */, "", line); print line; found = 1 }
    END { exit !found }'
}
# wine_reg_delete KEY [NAME]: deletes the value, or the whole key without NAME. Missing is fine.
wine_reg_delete() {
  if [ $# -ge 2 ]; then
    "$WINE64" reg delete "$1" /v "$2" /f >/dev/null 2>&1
  else
    "$WINE64" reg delete "$1" /f >/dev/null 2>&1
  fi
  return 0
}
# wine_reg_export KEY FILE: writes the key and everything under it as UTF-8 text (empty file when the
# key does not exist); two exports compare with cmp.
wine_reg_export() {
  local raw="$WINE_TMP/export.$$.reg" key=$1
  # regedit wants the root spelled out.
  case "$key" in
    HKCU\\*) key="HKEY_CURRENT_USER${key#HKCU}" ;;
    HKLM\\*) key="HKEY_LOCAL_MACHINE${key#HKLM}" ;;
  esac
  rm -f "$raw"
  "$WINE64" regedit /E "$(winepath_of "$raw")" "$key" >/dev/null 2>&1
  if [ -s "$raw" ]; then iconv -f UTF-16 -t UTF-8 "$raw" | tr -d '\r' >"$2"; else : >"$2"; fi
  rm -f "$raw"
}
# winepath_of UNIXPATH: the same file as Windows programs in the prefix see it (drive Z:).
winepath_of() { printf 'Z:%s\n' "${1//\//\\}"; }

# wine_server_dir PREFIX: the folder where the wineserver of PREFIX keeps its socket, named as Wine
# names it: server-<device>-<inode> of the prefix, in hex. Upstream Wine keeps it in
# /tmp/.wine-<uid>; Debian's Wine in a folder of its own under $TMPDIR (or /tmp), made once per
# prefix and named in the prefix's file "wineserver" (copies of a prefix share it).
wine_server_dir() {
  local root=/tmp/.wine-$(id -u)
  [ -f "$1/wineserver" ] && root=${TMPDIR:-/tmp}/$(cat "$1/wineserver")
  printf '%s/server-%x-%x\n' "$root" "$(stat -c %d "$1")" "$(stat -c %i "$1")"
}

# wine_remove_server_dir PREFIX: removes the server folder of PREFIX, whose wineserver has ended,
# and the folder holding it when nothing else is left in it.
wine_remove_server_dir() {
  local dir
  dir=$(wine_server_dir "$1") || return 0
  rm -rf "$dir"
  rmdir "$(dirname "$dir")" 2>/dev/null
  return 0
}

# wine_teardown: runs on exit. Ends only what this test started, by PID.
wine_teardown() {
  local status=$?
  trap - EXIT INT TERM
  [ -z "$WINE_TMP" ] || bg_end_all "$WINE_TMP"
  if [ -n "${WINEPREFIX:-}" ] && [ -n "$WINE_TMP" ] && [ "$WINEPREFIX" = "$WINE_TMP/prefix" ]; then
    "$WINESERVER" -k >/dev/null 2>&1
    [ -n "$WINE_SERVER_PID" ] && wait "$WINE_SERVER_PID" 2>/dev/null
  fi
  if [ -n "$WINE_XVFB_PID" ]; then
    kill -TERM "$WINE_XVFB_PID" 2>/dev/null
    wait "$WINE_XVFB_PID" 2>/dev/null
  fi
  if [ -n "$WINE_TMP" ]; then
    [ -d "$WINE_TMP/prefix" ] && wine_remove_server_dir "$WINE_TMP/prefix"
    rm -rf "$WINE_TMP/prefix"
    if [ "$status" -eq 0 ] || [ "$status" -eq 77 ]; then
      rm -rf "$WINE_TMP"
    else
      log "kept screenshots and logs in $WINE_TMP"
    fi
  fi
  exit "$status"
}
