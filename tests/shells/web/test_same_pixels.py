"""The page draws, pixel for pixel, what the headless shell draws for the same run. With a fixed
seed (?seed=1), loaded minimized so that the run pauses: the canvas of the first pass (as the run's
first tick or sleep found it: a slow start can make Timer1 due before the run first waits) equals
the headless shell's picture of it, a red 3, a red 1 and a red 3 at (10, 10). Shown, the
block jumps and the reels move, and after 3 s the canvas equals the headless shell's picture of
the state the page then reports. The same at devicePixelRatio 2, where the block shows in 2 x 2
squares (the headless shell's picture at 192 DPI), and a screenshot shows them so, never smoothed;
the seed gives both runs the same first jump.
"""
import time

from lib import WebTest, fail, ok, wait_for

# Engines: chromium firefox webkit


def check_run(test, scale):
    browser = test.browser(scale=scale)
    dpi = 96 * scale
    browser.load("?seed=1", hidden=True)
    state, first = browser.snapshot(first_pass=True)
    if state["timer1Ticks"] != 0:
        fail(f"x{scale}: the first pass was kept after a Timer1 tick: {state}")
    if state["block"] != [10, 10, 130, 68] or state["reels"] != [52, 4, 52] or state["scale"] != [scale, 1]:
        fail(f"x{scale}: the first pass is not the starting block at (10, 10), scale {scale}: {state}")
    test.same_as_headless(state, first, dpi, f"first_pass_x{scale}")
    ok(f"x{scale}: the first pass on a {first.width} x {first.height} canvas equals the headless shell's picture")

    paused = browser.state()
    time.sleep(0.5)
    ticks = lambda state: (state["timer1Ticks"], state["timer2Ticks"])
    if ticks(browser.state()) != ticks(paused):
        fail(f"x{scale}: the run went on while the page was hidden: {paused}")
    browser.show()
    jumped = wait_for(lambda: (lambda s: s if s["timer1Ticks"] > paused["timer1Ticks"] else None)(browser.state()),
                      5, f"x{scale}: no Timer1 tick after the page showed")
    time.sleep(3)
    state, later = browser.snapshot()
    if state["reels"] == [52, 4, 52] or later.pixels == first.pixels:
        fail(f"x{scale}: the reels did not move in 3 s: {state}")
    test.same_as_headless(state, later, dpi, f"after_3s_x{scale}")
    ok(f"x{scale}: after 3 s ({state['timer1Ticks']} Timer1 ticks) the reels stand at {state['reels']} in state "
       f"{state['spinState']}, the block at {state['block'][:2]}, as the headless shell draws them")
    if scale == 2:
        state, shown = browser.screenshot()
        test.same_as_headless(state, shown, dpi, "screenshot_x2")
        ok(f"x2: a screenshot shows the block in crisp 2 x 2 squares, as the headless shell draws state "
           f"{state['spinState']} at {state['block'][:2]}")
    # A browser whose page keeps drawing would only load the machine for the next scale's.
    browser.quit()
    test.browsers.remove(browser)
    return jumped["block"]


with WebTest() as test:
    place_1 = check_run(test, 1)
    place_2 = check_run(test, 2)
    if place_1 == [10, 10, 130, 68] or place_1 != place_2:
        fail(f"the first spin's block stood at {place_1} at scale 1 and at {place_2} at scale 2")
    ok(f"the seed gives both runs the first jump to {place_1[:2]}")
