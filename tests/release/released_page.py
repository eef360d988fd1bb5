"""released_page.py chromium FOLDER: the page as released (FOLDER, unpacked from the web zip), which has no
hook for the checks, runs in Chromium. Loaded minimized, its run stops after the first pass: a
screenshot then equals the headless shell's picture of the starting block, 3 1 3 at (10, 10),
the state the probe page reports for its first pass (test_same_pixels.py). ?level=abc says on
the page that the default applies. The console shows no error, and the page offers nothing to
ask (no window.zorvalite).
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "shells", "web"))
from lib import WebTest, fail, ok, png_canvas, wait_for  # noqa: E402

FIRST_PASS = {"spinState": 0, "reels": [52, 4, 52], "flashPhase": 0, "blinkOn": 0, "block": [10, 10, 130, 68]}
NOTE = "Level 'abc' is no number from -32768 to 32767; the default 301 applies."

with WebTest(sys.argv[2]) as test:
    browser = test.browser()
    browser.load(hidden=True)
    # The block canvas is placed once the first pass is drawn; the panel is put away for the shot.
    placed = "const s = document.getElementById('block').style; return s.width === '130px' && s.transform"
    wait_for(lambda: browser.script(placed) == "translate(10px, 10px)", 10, "the page's first pass was not placed")
    browser.script("document.getElementById('panel').style.display = 'none'")
    shot = png_canvas(browser.engine.png())
    test.same_as_headless(FIRST_PASS, shot, 96, "first_pass")
    ok(f"minimized, a {shot.width} x {shot.height} screenshot of the first pass equals the headless shell's picture")
    if browser.script("return typeof window.zorvalite") != "undefined":
        fail("the released page offers window.zorvalite")
    browser.load("?level=abc")
    wait_for(lambda: browser.script("return document.getElementById('notes').textContent") == NOTE, 10,
             f"?level=abc did not note: {NOTE}")
    ok("?level=abc: the page says the default applies")
    browser.check_console()
