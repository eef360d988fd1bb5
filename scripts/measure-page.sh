#!/usr/bin/env bash
# What the web page costs the browser, beside what any page costs that does as little: in
# headless Chromium (as the browser checks run it), one page at a time for the seconds given,
# after 4 s of start-up, in rounds:
# - the idle page (tests/shells/web/idle_timers.html: the saver's two timers, nothing drawn),
#   what the page's processor targets are set against;
# - the picture floor (picture_floor.html): the block's canvas in a worker, a new image put
#   into it at the rate the saver's picture changes (9.7 a second at Spec 0, 48.9 at Spec 1,
#   over one simulated hour), nothing computed;
# - the page as released (build/web/page) at Spec 0 and Spec 1.
# CPU is the run time of all the renderer's threads (from /proc/PID/task/*/schedstat, in
# nanoseconds) over the wall time, in milliseconds a second; wakeups are their voluntary context
# switches. Prints a Markdown table (the range over the rounds; a ratio is to the page it is set
# against in the same round) and the machine's load.
# Usage: scripts/measure-page.sh [seconds per page and round] [rounds]   (default 20, 2)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
seconds=${1:-20}
rounds=${2:-2}
"$ZV_ROOT/scripts/install-deps.sh" web >&2
build_preset web >&2
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
cd "$ZV_ROOT/tests/shells/web"
/usr/bin/python3 - chromium "$ZV_ROOT/build/web/page" "$seconds" "$rounds" <<'EOF'
import os, sys, time
sys.argv[0] = "measure-page"
from lib import WebTest

page_dir, seconds, rounds = sys.argv[2], float(sys.argv[3]), int(sys.argv[4])
pages = [
    ("idle page", "idle_timers.html"),
    ("picture floor, 9.7 pictures a second", "picture_floor.html?rate=9.7"),
    ("the page, Spec 0", "index.html?spec=0"),
    ("picture floor, 48.9 pictures a second", "picture_floor.html?rate=48.9"),
    ("the page, Spec 1", "index.html?spec=1"),
]

def used(pids):
    """Run time in nanoseconds and voluntary switches, summed over the processes' threads."""
    run = switches = 0
    for pid in pids:
        for task in os.listdir(f"/proc/{pid}/task"):
            try:
                with open(f"/proc/{pid}/task/{task}/schedstat") as stat:
                    run += int(stat.read().split()[0])
                with open(f"/proc/{pid}/task/{task}/status") as status:
                    switches += int(status.read().split("voluntary_ctxt_switches:")[1].split()[0])
            except OSError:
                pass  # a thread that ended
    return run, switches

figures = {name: [] for name, _ in pages}
with WebTest(page_dir) as test:
    for _ in range(rounds):
        for name, page in pages:
            browser = test.browser()
            page, _, query = page.partition("?")
            browser.load(query="?" + query if query else "", page=page)
            time.sleep(4)
            pids = browser.engine.renderer_pids()
            run0, switches0 = used(pids)
            start = time.monotonic()
            time.sleep(seconds)
            wall = time.monotonic() - start
            run1, switches1 = used(pids)
            figures[name].append(((run1 - run0) / 1e6 / wall, (switches1 - switches0) / wall))
            browser.quit()
            test.browsers.remove(browser)

def span(values, form):
    low, high = form.format(min(values)), form.format(max(values))
    return low if low == high else f"{low}–{high}"

# Each ratio is to the page it is set against in the same round.
floor_of = {"the page, Spec 0": "picture floor, 9.7 pictures a second", "the page, Spec 1": "picture floor, 48.9 pictures a second"}
ratio = lambda name, to: [c / figures[to][r][0] for r, (c, _) in enumerate(figures[name])]
print("| page | renderer CPU, ms a second | times the idle page's | times its picture floor's | wakeups a second |")
print("|---|---|---|---|---|")
for name, _ in pages:
    floor = span(ratio(name, floor_of[name]), "{:.2f}") if name in floor_of else ""
    print(f"| {name} | {span([c for c, _ in figures[name]], '{:.1f}')} | {span(ratio(name, 'idle page'), '{:.2f}')} | {floor} "
          f"| {span([w for _, w in figures[name]], '{:.0f}')} |")
EOF
echo
echo "Load average before / after: $load_before / $(cut -d' ' -f1-3 /proc/loadavg); ${seconds} s per page, $rounds rounds."
