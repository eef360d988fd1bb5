# Shared helpers of the scripts under scripts/ and tests/wine/: source it, then call
#
#   build_preset [--show] PRESET [BUILD_ARGS...] [-- CONFIGURE_ARGS...]
#                          configures and builds a preset, its output in build/build-PRESET.log
#                          (and on the terminal as it goes with --show); on failure prints the
#                          log and exits 1
#   run_ctest PRESET LOG [CTEST_ARGS...]
#                          runs ctest, its whole output in LOG, prints only failures and the
#                          summary; returns ctest's status (call it as `run_ctest ... || status=$?`)
#   scr_path PRESET        the Zorvalite.scr a Windows preset builds
#   start_xvfb WORKDIR [SIZE=1024x768] [XVFB_OPTIONS...]
#                          a private Xvfb (SIZE, 24-bit) on a display number the server finds
#                          free; exports DISPLAY, sets XVFB_PID
#   bg_start [--out FILE] DIR LOG PROGRAM ARGS...
#                          runs a program in the background, its output appended to LOG (with
#                          --out, only its standard error; its standard output in FILE); its PID
#                          and, once it ends, its exit status go to files in DIR, so that any
#                          function (even one in a subshell, as in $(...)) can wait for it; sets
#                          BG_RUN (the run's number in DIR) and BG_PID
#   bg_running DIR RUN     true while that run goes on
#   bg_wait_exit DIR SECONDS RUN
#                          prints the run's exit status once it has ended; a run still going
#                          after SECONDS is ended (SIGTERM, SIGKILL 5 s later when it is still
#                          there) and 124 is printed
#   bg_end_all DIR         ends every run still going and waits for their watchers
#   wine_environment PREFIX
#                          exports WINEPREFIX and the quiet Wine environment
#   apt_try COMMAND...     runs an apt command (apt-get, through sudo or env if need be) quietly,
#                          up to 3 times ZV_APT_PAUSE seconds (5) apart: a mirror in mid-sync
#                          serves a stale file for a while; the last try's output (standard output
#                          and error) is in APT_OUTPUT; returns 1 when every try failed
#   apt_update [sudo]      apt-get update through apt_try; when it still fails, says so in one line
#                          and returns 0 all the same: apt installs from the package lists it has
#
# ZV_ROOT is the top of the repository; ZV_SIM the native build's zorvalite-sim; WINE64 and
# WINESERVER the 64-bit Wine loader and server.

ZV_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ZV_SIM=$ZV_ROOT/build/native/src/tools/sim/zorvalite-sim
WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64

build_preset() {
  local show=false
  [ "$1" = --show ] && { show=true; shift; }
  local preset=$1 build=() configure=()
  shift
  while [ $# -gt 0 ] && [ "$1" != -- ]; do build+=("$1"); shift; done
  [ $# -gt 0 ] && shift
  configure=("$@")
  local log=$ZV_ROOT/build/build-$preset.log
  mkdir -p "$ZV_ROOT/build"
  if $show; then
    _build_steps 2>&1 | tee "$log"
    [ "${PIPESTATUS[0]}" -eq 0 ] || exit 1
  else
    echo "== build $preset"
    _build_steps >"$log" 2>&1 || { cat "$log" >&2; exit 1; }
  fi
}
# The steps of build_preset, with its preset and arguments.
_build_steps() {
  (cd "$ZV_ROOT" && cmake --preset "$preset" "${configure[@]}" && cmake --build --preset "$preset" -j2 "${build[@]}")
}

run_ctest() {
  local preset=$1 log=$2
  shift 2
  (cd "$ZV_ROOT" && ctest --preset "$preset" "$@") 2>&1 | tee "$log" | grep -Ev '^ +Start +[0-9]+:|Test +#[0-9]+: .* Passed '
  return "${PIPESTATUS[0]}"
}

scr_path() { echo "$ZV_ROOT/build/$1/src/shells/win32/Zorvalite.scr"; }

start_xvfb() {
  local work=$1 size=${2:-1024x768} i
  shift $(($# < 2 ? $# : 2))
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset "$@" 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  XVFB_PID=$!
  for i in $(seq 100); do
    kill -0 "$XVFB_PID" 2>/dev/null || { echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2; return 1; }
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  [ -s "$work/display" ] || { echo "Xvfb did not name its display" >&2; return 1; }
  export DISPLAY=":$(head -n1 "$work/display")"
  for i in $(seq 100); do
    xset q >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "Xvfb $DISPLAY does not answer" >&2
  return 1
}

wine_environment() {
  export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8
}

BG_RUN=0
BG_PID=""
BG_WATCHERS=()

bg_start() {
  local out=""
  [ "$1" = --out ] && { out=$2; shift 2; }
  local dir=$1 log=$2 run=$((BG_RUN + 1))
  shift 2
  BG_RUN=$run
  (
    "$@" >>"${out:-$log}" 2>>"$log" &
    echo $! >"$dir/pid.$run"
    wait $!
    echo $? >"$dir/exit.$run.new" && mv "$dir/exit.$run.new" "$dir/exit.$run"
  ) </dev/null >/dev/null 2>&1 &
  BG_WATCHERS+=($!)
  while [ ! -s "$dir/pid.$run" ]; do sleep 0.01; done
  BG_PID=$(cat "$dir/pid.$run")
}

bg_running() { [ "$2" -gt 0 ] && [ ! -e "$1/exit.$2" ]; }

bg_wait_exit() {
  local dir=$1 deadline=$((SECONDS + $2)) run=$3
  while bg_running "$dir" "$run" && [ "$SECONDS" -le "$deadline" ]; do sleep 0.02; done
  if bg_running "$dir" "$run"; then
    kill -TERM "$(cat "$dir/pid.$run")" 2>/dev/null
    deadline=$((SECONDS + 5))
    while bg_running "$dir" "$run" && [ "$SECONDS" -le "$deadline" ]; do sleep 0.02; done
    bg_running "$dir" "$run" && kill -KILL "$(cat "$dir/pid.$run")" 2>/dev/null
    while bg_running "$dir" "$run"; do sleep 0.02; done
    echo 124
  else
    cat "$dir/exit.$run"
  fi
}

bg_end_all() {
  local dir=$1 run
  for ((run = 1; run <= BG_RUN; run++)); do
    bg_running "$dir" "$run" && kill -TERM "$(cat "$dir/pid.$run")" 2>/dev/null
  done
  for run in "${BG_WATCHERS[@]}"; do wait "$run" 2>/dev/null; done
}

apt_try() {
  local try
  for try in 1 2 3; do
    [ "$try" -eq 1 ] || sleep "${ZV_APT_PAUSE:-5}"
    APT_OUTPUT=$("$@" 2>&1) && return 0
  done
  return 1
}

apt_update() {
  apt_try "$@" apt-get -o DPkg::Lock::Timeout=900 update -qq && return 0
  # apt's first error names the index that failed; the rest repeats it.
  local first
  first=$(grep -m1 '^E: ' <<<"$APT_OUTPUT" || head -n1 <<<"$APT_OUTPUT")
  echo "apt-get update failed 3 times ($first); going on with the package lists apt already has" >&2
}
