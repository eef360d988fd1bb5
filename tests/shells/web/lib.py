"""Shared helpers of the browser checks of the web page (tests/shells/web/test_*.py).

    from lib import WebTest, ok, fail
    with WebTest() as test:                  # a scratch folder and a static server on 127.0.0.1
        browser = test.browser(scale=2)      # a headless browser of the test's engine
        browser.load("?seed=1", hidden=True)
        state, canvas = browser.snapshot()
        test.same_as_headless(state, canvas, dpi=192, name="first")
        ok("what held")                      # or: fail("why"), which ends the test

A test runs in the engine its first argument names (engines.py: chromium, the default, firefox or
webkit); the line "# Engines: ..." of a test names those CTest runs it in. The server serves the
probe page's folder (ZV_WEB_PROBE_DIR, the web preset's build/web/probe-page: the page with the
checks' hook, probe/) with the check's own pages of this folder beside it. Teardown ends every
browser the test started (through its driver, which ends the browser) and the server; a failed
test keeps its pictures and logs in the scratch folder and says so. Environment (CTest sets it):
ZV_WEB_PROBE_DIR, ZV_WEB_DIR the page as released (build/web/page), and ZV_WEB_EXPECTED the
program that compares a canvas with the headless shell's picture (web_expected.cpp).
"""
import base64
import functools
import glob
import http.server
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time

from engines import ENGINES, NEEDS

# The engine the test runs in, its first argument: chromium (the default), firefox or webkit.
ENGINE = sys.argv[1] if len(sys.argv) > 1 else "chromium"
NAME = os.path.splitext(os.path.basename(sys.argv[0]))[0] + ("" if ENGINE == "chromium" else "_" + ENGINE)
HERE = os.path.dirname(os.path.abspath(__file__))
# The page's files, as they are served.
PAGE_FILES = ("index.html", "zorvalite.js", "zorvalite.wasm")
# The page as released, without the checks' hook.
PAGE_DIR = os.environ.get("ZV_WEB_DIR", "")


class Failure(Exception):
    pass


def log(text):
    print(f"[{NAME}] {text}", file=sys.stderr, flush=True)


def ok(text):
    log("ok: " + text)


def fail(text):
    raise Failure(text)


def within(value, low, high):
    return low <= value <= high


def wait_for(condition, seconds, what):
    """The first true value of condition() within the time, polled; fails naming what."""
    deadline = time.monotonic() + seconds
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            fail(f"{what} within {seconds} s")
        time.sleep(0.05)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


# The probe page's test hook (zorvalite.ask, probe/probe_page.js): the run's state and, with
# pixels, the screen's red, green, blue, alpha bytes, read in one turn of the run's worker while
# the run sleeps: the canvas then shows that state; or, asked for the first pass, those the run's
# first pass left.
ASK_SCRIPT = "zorvalite.ask(arguments[0], arguments[1]).then(arguments[2])"
# Answers after the page's next two animation frames.
TWO_FRAMES = "const done = arguments[0]; requestAnimationFrame(() => requestAnimationFrame(() => done()))"


class Canvas:
    def __init__(self, width, height, pixels):
        self.width, self.height, self.pixels = width, height, pixels

    def lit(self):
        """How many pixels are not black."""
        rgba = self.pixels
        return sum(1 for i in range(0, len(rgba), 4) if rgba[i] or rgba[i + 1] or rgba[i + 2])


def png_canvas(data):
    """A screenshot (PNG) as a Canvas: its pixels opaque, as ImageMagick reads them."""
    size = subprocess.run(["convert", "png:-", "-format", "%w %h", "info:"], input=data, capture_output=True, check=True)
    width, height = map(int, size.stdout.split())
    rgba = subprocess.run(["convert", "png:-", "-alpha", "off", "-alpha", "opaque", "-depth", "8", "rgba:-"],
                          input=data, capture_output=True, check=True).stdout
    if len(rgba) != width * height * 4:
        fail(f"ImageMagick read a {width} x {height} screenshot as {len(rgba)} bytes")
    return Canvas(width, height, rgba)


class Browser:
    """A browser of its own in the test's engine (engines.py), its window width x height CSS pixels
    at the device scale, the page's checks' view of it."""

    def __init__(self, engine, base_url, width, height, scale, scratch):
        self.engine = ENGINES[engine](width, height, scale, scratch)
        self.base_url = base_url

    def load(self, query="", page="index.html", hidden=False):
        """Opens the page; hidden, it loads minimized, so that the run pauses once it first waits."""
        if hidden:
            self.engine.get("about:blank")
            self.hide()
        self.engine.get(f"{self.base_url}/{page}{query}")

    # The driver's call does not promise that the page has seen the window's new state when it
    # returns: both wait until the page reports it.
    def hide(self):
        self.engine.hide()
        self.wait_visibility("hidden")

    def show(self):
        self.engine.show()
        self.wait_visibility("visible")

    def wait_visibility(self, wanted):
        wait_for(lambda: self.script("return document.visibilityState") == wanted, 10, f"the page was not {wanted}")

    def script(self, text, *args):
        return self.engine.script(text, *args)

    def click(self, xpath):
        self.engine.click(xpath)

    def reload(self):
        self.engine.reload()

    def state(self):
        """The run's state once the run has started."""
        return wait_for(lambda: self.engine.script_async(ASK_SCRIPT, False, False)["state"], 10,
                        "the page's run did not start")

    def snapshot(self, first_pass=False):
        """The run's state and the canvas, at one moment, or as the run's first pass left them."""
        self.state()
        answer = self.engine.script_async(ASK_SCRIPT, True, first_pass)
        return answer["state"], Canvas(answer["width"], answer["height"], base64.b64decode(answer["pixels"]))

    def screenshot(self):
        """The page as the browser shows it, the panel put away, and the run's state then: one that
        held from before the screenshot until after it."""
        self.script("document.getElementById('panel').style.display = 'none'")
        # The counting timer turns FlashPhase all the time; only the premonition (state 40) shows it.
        drawn = lambda state: [state[key] for key in ("spinState", "reels", "blinkOn", "block", "canvas")] + [
            state["flashPhase"] if state["spinState"] == 40 else None]
        for _ in range(100):
            before = self.state()
            # The worker's drawing reaches the page's canvas with a rendering update of the page:
            # WebKit's screenshot shows the drawing before that one until then.
            self.engine.script_async(TWO_FRAMES)
            shot = self.engine.png()
            state = self.state()
            if drawn(before) == drawn(state):
                return state, png_canvas(shot)
        fail("the run's drawing changed during every screenshot")

    def check_console(self):
        """Fails on any error the console showed; where the engine's driver does not report the
        console (WebKit's), says that it was not checked."""
        errors = self.engine.console_errors()
        if errors is None:
            log(f"not checked: the console, which {ENGINE}'s driver does not report")
        elif errors:
            fail(f"the console shows errors: {errors}")
        else:
            ok("the console shows no error")

    def quit(self):
        self.engine.quit()


def cpu_seconds(pids):
    """The processor time the processes have used, user and system."""
    ticks = 0
    for pid in pids:
        try:
            with open(f"/proc/{pid}/stat") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
            ticks += int(fields[11]) + int(fields[12])
        except OSError:
            pass
    return ticks / os.sysconf("SC_CLK_TCK")


class WebTest:
    def __init__(self, page_dir=None):
        """Serves the probe page, or the page in page_dir."""
        self.page_dir = page_dir or os.environ.get("ZV_WEB_PROBE_DIR", "")

    def __enter__(self):
        page_dir = self.page_dir
        self.expected_tool = os.environ.get("ZV_WEB_EXPECTED", "")
        if not all(os.path.isfile(os.path.join(page_dir, name)) for name in PAGE_FILES):
            log(f"FAIL: '{page_dir}' holds no built page (ZV_WEB_PROBE_DIR names the probe page): run it through ctest")
            sys.exit(1)
        for program in NEEDS[ENGINE]:
            if not os.path.exists(program):
                log(f"FAIL: {program} is not installed: run scripts/install-deps.sh web")
                sys.exit(1)
        self.tmp = tempfile.mkdtemp(prefix=f"zv-web-{NAME}.")
        self.served = os.path.join(self.tmp, "served")
        os.mkdir(self.served)
        for name in PAGE_FILES:
            shutil.copy(os.path.join(page_dir, name), self.served)
        for name in os.listdir(HERE):
            if name.endswith(".html"):
                shutil.copy(os.path.join(HERE, name), self.served)
        handler = functools.partial(QuietHandler, directory=self.served)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.base_url = f"http://127.0.0.1:{self.server.server_address[1]}"
        self.browsers = []
        return self

    def __exit__(self, kind, error, trace):
        for browser in self.browsers:
            try:
                browser.quit()
            except Exception as problem:  # a browser that went away by itself
                log(f"ending a browser: {problem}")
        self.server.shutdown()
        self.server.server_close()
        if kind is None:
            shutil.rmtree(self.tmp)
            return False
        log(f"FAIL: {error}" if kind is Failure else f"FAIL: {kind.__name__}: {error}")
        # A run on another machine leaves only its output: the end of each browser's log goes there.
        for path in sorted(glob.glob(os.path.join(self.tmp, "browser.*", "*.log"))):
            with open(path, errors="replace") as kept:
                lines = kept.read().splitlines()[-15:]
            if lines:
                log(f"{os.path.relpath(path, self.tmp)} ends:\n" + "\n".join(lines))
        log(f"kept pictures and logs in {self.tmp}")
        sys.exit(1)

    def browser(self, width=800, height=600, scale=1):
        scratch = tempfile.mkdtemp(prefix="browser.", dir=self.tmp)
        browser = Browser(ENGINE, self.base_url, width, height, scale, scratch)
        self.browsers.append(browser)
        return browser

    def same_as_headless(self, state, canvas, dpi, name):
        """Fails unless the canvas equals the headless shell's picture of the state, as a screen of
        the canvas's size at that DPI; the pictures of a difference stay in the scratch folder."""
        screen = os.path.join(self.tmp, f"{name}.rgba")
        with open(screen, "wb") as out:
            out.write(canvas.pixels)
        command = [self.expected_tool, "--canvas", f"{canvas.width}x{canvas.height}", "--dpi", str(dpi),
                   "--block", "{},{}".format(*state["block"][:2]), "--spin-state", str(state["spinState"]),
                   "--reels", ",".join(map(str, state["reels"])), "--flash", str(state["flashPhase"]),
                   "--blink", str(state["blinkOn"]), "--screen", screen, "--out", os.path.join(self.tmp, name)]
        result = subprocess.run(command, capture_output=True, text=True)
        if result.returncode != 0:
            fail(f"{name}: the canvas is not the headless shell's picture of {state}: "
                 f"{(result.stdout + result.stderr).strip()} ({self.tmp}/{name})")
        os.remove(screen)
