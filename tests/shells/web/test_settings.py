"""The two settings reach the run. ?level=30&spec=1 gives the run a jackpot of 1 in 30 and the
10 ms spin timer at Windows' pace (64 ticks a second), and the panel shows 確変モード(1/30) and
ロースペック chosen. A text that is no 16-bit number (?level=, empty, ?level=abc, ?level=99999,
?spec=7x) falls back to the default, says so on the page and the run goes on. A choice in the
panel is kept in the browser's storage and starts a new run with it, also after a reload; the
query overrides what is kept. The console shows no error throughout (where the engine's driver reports it: not in WebKit).
"""
import time

from lib import WebTest, fail, ok, wait_for, within

# Engines: chromium firefox webkit

CHOSEN = "return [...document.querySelectorAll('#panel input:checked')].map(c => c.parentElement.textContent.trim())"
NOTES = "return document.getElementById('notes').textContent"


def settled(browser, seconds=2):
    """The run's state after `seconds`, and its Timer1 ticks a second between the starts of two of
    its sleeps at least half that time apart (a sleep holds back the ticks it sleeps through)."""
    before = browser.state()["atSleepStart"]
    time.sleep(seconds)
    after = wait_for(lambda: (lambda s: s if s["atSleepStart"][2] - before[2] >= 500 * seconds else None)(browser.state()),
                     10, "a later sleep of the run")
    (ticks0, _, ms0), (ticks1, _, ms1) = before, after["atSleepStart"]
    return after, 1000 * (ticks1 - ticks0) / (ms1 - ms0)


with WebTest() as test:
    browser = test.browser()

    browser.load("?level=30&spec=1")
    state, rate = settled(browser)
    if (state["level"], state["spec"], state["timer1Interval"]) != (30, 1, 10):
        fail(f"?level=30&spec=1 did not reach the run: {state}")
    if not within(rate, 40, 65.5):
        fail(f"the 10 ms spin timer ticked {rate:.1f} times a second; Windows' cadence gives 64")
    chosen = browser.script(CHOSEN)
    if chosen != ["確変モード(1/30)", "ロースペック"]:
        fail(f"the panel shows {chosen} chosen")
    if browser.script(NOTES):
        fail(f"the page notes: {browser.script(NOTES)}")
    ok(f"?level=30&spec=1: Level 30, Spec 1, Timer1 at {rate:.1f} ticks/s (64 expected), the panel shows {chosen}")

    for query, key, note in (("?level=", "level", "Level '' is no number from -32768 to 32767; the default 301 applies."),
                             ("?level=abc", "level", "Level 'abc' is no number from -32768 to 32767; the default 301 applies."),
                             ("?level=99999", "level", "Level '99999' is no number from -32768 to 32767; the default 301 applies."),
                             ("?spec=7x", "spec", "Spec '7x' is no number from -32768 to 32767; the default 0 applies.")):
        browser.load(query)
        state, rate = settled(browser, 1)
        if (state["level"], state["spec"], state["timer1Interval"]) != (301, 0, 75) or state["timer1Ticks"] < 5:
            fail(f"{query}: the run did not go on with the defaults: {state}")
        if browser.script(NOTES) != note:
            fail(f"{query}: the page notes '{browser.script(NOTES)}', not '{note}'")
        ok(f"{query}: the defaults apply, the run goes on ({state['timer1Ticks']} ticks), the page says: {note}")

    browser.load()
    browser.state()
    if browser.script(CHOSEN) != ["通常モード(1/301)", "ハイスペック"]:
        fail(f"with nothing kept the panel shows {browser.script(CHOSEN)} chosen")
    browser.click("//*[@id='panel']//summary")
    for caption in ("確変モード(1/30)", "ロースペック"):
        browser.click(f"//label[normalize-space()='{caption}']")
    state = wait_for(lambda: (lambda s: s if s and s["spec"] == 1 else None)(browser.state()), 5,
                     "the panel's choices did not start a run with them")
    if (state["level"], browser.script("return zorvalite.runs()")) != (30, 3):
        fail(f"two choices in the panel did not give two new runs with Level 30: {state}")
    browser.reload()
    state = browser.state()
    kept = browser.script("return [localStorage.getItem('Zorvalite/Options/Level'), localStorage.getItem('Zorvalite/Options/Spec')]")
    if (state["level"], state["spec"], kept) != (30, 1, ["30", "1"]):
        fail(f"after a reload the run has Level {state['level']}, Spec {state['spec']}; the browser keeps {kept}")
    browser.load("?spec=0")
    if (browser.state()["spec"], browser.script(CHOSEN)) != (0, ["確変モード(1/30)", "ハイスペック"]):
        fail(f"?spec=0 over the kept Spec 1: {browser.state()}, the panel shows {browser.script(CHOSEN)}")
    ok("the panel's choices start a run with them, are kept over a reload, and the query overrides them")

    browser.check_console()
