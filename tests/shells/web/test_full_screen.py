"""Full screen, the saver's quit rules apply. The button makes the canvas full screen, where the
run draws on the whole screen with the pointer hidden. A key ends it, and so does a click and a
pointer move of one pixel, but not the first position the pointer reports: each time the page
leaves full screen and the next run starts on the page. The browser leaving full screen by itself
(its Esc) ends the run too. On the page, out of full screen, input ends nothing.

Not in Firefox: headless, Firefox denies every request for full screen ("Fullscreen request
denied"), even a click's.
"""
import time

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By

from lib import WebTest, fail, ok, wait_for

# Engines: chromium webkit

FULL_SCREEN = "return document.fullscreenElement && document.fullscreenElement.id"
POINTER = "return getComputedStyle(document.getElementById('screen')).cursor"


with WebTest() as test:
    browser = test.browser()
    browser.load()
    driver = browser.engine.driver
    page_canvas = browser.state()["canvas"]
    runs = lambda: browser.script("return zorvalite.runs()")

    def enter():
        driver.find_element(By.ID, "full-screen").click()
        wait_for(lambda: browser.script(FULL_SCREEN) == "screen", 5, "the button did not make the canvas full screen")
        return wait_for(lambda: (lambda s: s if s["canvas"] != page_canvas else None)(browser.state()), 5,
                        "the run did not follow the canvas to the full screen")

    def expect_end(what, run):
        wait_for(lambda: browser.script(FULL_SCREEN) is None, 5, f"{what} did not end full screen")
        wait_for(lambda: runs() == run + 1 and browser.state(), 5, f"no new run after {what}")
        # WebKit has the window back at the page's size only after its promise to leave full screen
        # has been kept: the next run may start on the full screen's size and follow the resize.
        wait_for(lambda: browser.state()["canvas"] == page_canvas, 2,
                 f"after {what} the next run does not draw on the page's {page_canvas}")
        if runs() != run + 1:
            fail(f"after {what} {runs() - run} runs started")
        ok(f"{what}: the run ends, the page leaves full screen, and the next run starts on the page")

    state = enter()
    # Headless, the full screen is the browser window's content.
    screen = browser.script("return [innerWidth, innerHeight]")
    if state["canvas"] != screen or browser.script(POINTER) != "none":
        fail(f"full screen the run draws on {state['canvas']}, the screen is {screen}; the pointer: {browser.script(POINTER)}")
    ok(f"full screen: the run draws on the whole {screen[0]} x {screen[1]} screen, the pointer hidden")
    run = runs()
    ActionChains(driver).send_keys("a").perform()
    expect_end("a key", run)

    enter()
    run = runs()
    canvas = driver.find_element(By.ID, "screen")
    ActionChains(driver).move_to_element_with_offset(canvas, 100, 100).perform()
    ActionChains(driver).move_by_offset(0, 0).perform()
    time.sleep(0.5)
    if browser.script(FULL_SCREEN) != "screen" or runs() != run:
        fail("the pointer's first position ended the saver")
    ActionChains(driver).move_by_offset(1, 0).perform()
    expect_end("a pointer move of one pixel after the first position", run)

    enter()
    run = runs()
    ActionChains(driver).click().perform()
    expect_end("a click", run)

    enter()
    run = runs()
    browser.script("document.exitFullscreen()")
    expect_end("the browser leaves full screen by itself", run)

    run = runs()
    ActionChains(driver).move_to_element_with_offset(canvas, 50, 50).move_by_offset(5, 5).click().send_keys("a").perform()
    time.sleep(0.5)
    if runs() != run or browser.state()["timer1Ticks"] < 5:
        fail("input on the page, out of full screen, ended the run")
    ok("input on the page, out of full screen, ends nothing")
    browser.check_console()
