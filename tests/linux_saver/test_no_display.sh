#!/usr/bin/env bash
# With no display server named (DISPLAY and WAYLAND_DISPLAY unset, or set to nothing) zorvalite
# says in one line that it needs one of them, naming both, and ends with status 1; --help still
# answers. An empty WAYLAND_DISPLAY beside a DISPLAY chooses X11.
set -u
[ -x "${ZV_ZORVALITE:-}" ] || { echo "ZV_ZORVALITE does not name the built zorvalite: run it through ctest" >&2; exit 1; }
out=$(mktemp -d /tmp/zv-no-display.XXXXXX)
trap 'rm -rf "$out"' EXIT
failed=0

# expect WHAT STATUS PATTERN ENV...: zorvalite run with that environment (and no argument) ends
# with STATUS, its standard error one line matching PATTERN, nothing on its standard output.
expect() {
  local what=$1 status=$2 pattern=$3 code
  shift 3
  env -u DISPLAY -u WAYLAND_DISPLAY "$@" "$ZV_ZORVALITE" >"$out/stdout" 2>"$out/stderr"
  code=$?
  if [ "$code" = "$status" ] && [ "$(wc -l <"$out/stderr")" = 1 ] && grep -qE "$pattern" "$out/stderr" &&
     [ ! -s "$out/stdout" ]; then
    echo "ok: $what"
  else
    echo "FAIL: $what: status $code, standard error: $(cat "$out/stderr")" >&2
    failed=1
  fi
}

needs='^zorvalite: .*DISPLAY.*WAYLAND_DISPLAY'
expect "neither set" 1 "$needs"
expect "both set to nothing" 1 "$needs" DISPLAY= WAYLAND_DISPLAY=
expect "an empty WAYLAND_DISPLAY beside DISPLAY chooses X11" 1 "^zorvalite: cannot open the X display ':65000'$" \
  DISPLAY=:65000 WAYLAND_DISPLAY=
env -u DISPLAY -u WAYLAND_DISPLAY "$ZV_ZORVALITE" --help | grep -q '^Usage: zorvalite' ||
  { echo "FAIL: --help without a display" >&2; failed=1; }
exit $failed
