"""The three browser engines the page's checks run in, each started headless of its own with a
window of width x height CSS pixels at a device scale, and driven through one set of calls (lib.py's
Browser builds on them): get(url), script(body, *args) and script_async(body, *args) (WebDriver's
function bodies, the callback the last argument), png() (a screenshot of the viewport), click(xpath),
reload(), hide() and show() (the page hidden, as a minimized window, and shown again),
console_errors() (None where the engine does not report the console) and quit().

- chromium: Debian's Chromium through chromium-driver.
- webkit: WebKitGTK's MiniBrowser through WebKitWebDriver, on an Xvfb of its own (WebKitGTK draws
  only on a display); GDK_SCALE gives the device scale. WebKitWebDriver reports no console.
- firefox: Firefox ESR through its own WebDriver BiDi, by puppeteer-core in node (firefox.js).
"""
import base64
import json
import os
import subprocess

from selenium import webdriver
from selenium.webdriver.chrome.service import Service as ChromiumService
from selenium.webdriver.common.by import By

HERE = os.path.dirname(os.path.abspath(__file__))
MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
# What each engine needs installed (scripts/install-deps.sh web).
NEEDS = {
    "chromium": ("/usr/bin/chromium", "/usr/bin/chromedriver"),
    "webkit": ("/usr/bin/WebKitWebDriver", MINIBROWSER, "/usr/bin/Xvfb"),
    "firefox": ("/usr/bin/firefox-esr", "/usr/bin/node", os.path.join(HERE, "node_modules/puppeteer-core/package.json")),
}


class WebDriverEngine:
    def __init__(self, driver, width, height):
        self.driver, self.width, self.height = driver, width, height
        driver.set_page_load_timeout(30)
        driver.set_script_timeout(30)

    def get(self, url):
        self.driver.get(url)

    def script(self, body, *args):
        return self.driver.execute_script(body, *args)

    def script_async(self, body, *args):
        return self.driver.execute_async_script(body, *args)

    def png(self):
        return self.driver.get_screenshot_as_png()

    def click(self, xpath):
        self.driver.find_element(By.XPATH, xpath).click()

    def reload(self):
        self.driver.refresh()

    def hide(self):
        self.driver.minimize_window()

    def show(self):
        self.driver.set_window_rect(0, 0, self.width, self.height)

    def quit(self):
        self.driver.quit()


class Chromium(WebDriverEngine):
    def __init__(self, width, height, scale, scratch):
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        # As root Chromium runs only without its sandbox.
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", f"--window-size={width},{height}"):
            options.add_argument(argument)
        if scale != 1:
            options.add_argument(f"--force-device-scale-factor={scale}")
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        service = ChromiumService("/usr/bin/chromedriver", log_path=os.path.join(scratch, "chromedriver.log"))
        super().__init__(webdriver.Chrome(options=options, service=service), width, height)

    def console_errors(self):
        return [entry["message"] for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]

    def renderer_pids(self):
        """The renderer processes of this browser, from /proc: the descendants of its WebDriver."""
        children = {}
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open(f"/proc/{pid}/stat") as stat:
                    parent = int(stat.read().rsplit(")", 1)[1].split()[1])
            except OSError:
                continue
            children.setdefault(parent, []).append(int(pid))
        found, todo = [], [self.driver.service.process.pid]
        while todo:
            pid = todo.pop()
            todo.extend(children.get(pid, []))
            try:
                with open(f"/proc/{pid}/cmdline", "rb") as cmdline:
                    if b"--type=renderer" in cmdline.read():
                        found.append(pid)
            except OSError:
                pass
        return found


class WebKit(WebDriverEngine):
    def __init__(self, width, height, scale, scratch):
        # The screen holds the window at its device scale.
        read, write = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", f"{1280 * scale}x{1024 * scale}x24",
                                      "-nolisten", "tcp"], pass_fds=(write,),
                                     stdout=subprocess.DEVNULL, stderr=open(os.path.join(scratch, "xvfb.log"), "w"))
        os.close(write)
        with os.fdopen(read) as displayfd:
            display = displayfd.readline().strip()
        try:
            if not display:
                raise RuntimeError(f"Xvfb did not start: see {scratch}/xvfb.log")
            options = webdriver.WebKitGTKOptions()
            options.binary_location = MINIBROWSER
            options.add_argument("--automation")
            # Debian's Selenium takes no environment for WebKitWebDriver: it, and the MiniBrowser
            # it starts, inherit this process's while it starts.
            outer = dict(os.environ)
            os.environ.update(DISPLAY=f":{display}", GDK_SCALE=str(scale))
            try:
                driver = webdriver.WebKitGTK(options=options, service_log_path=os.path.join(scratch, "webkitwebdriver.log"))
            finally:
                os.environ.clear()
                os.environ.update(outer)
            super().__init__(driver, width, height)
            self.show()
        except BaseException:
            self.end_xvfb()
            raise

    def console_errors(self):
        return None

    def end_xvfb(self):
        self.xvfb.terminate()
        self.xvfb.wait()

    def quit(self):
        try:
            super().quit()
        finally:
            self.end_xvfb()


class Firefox:
    def __init__(self, width, height, scale, scratch):
        # Firefox's profile goes to the scratch folder.
        self.bridge = subprocess.Popen(["/usr/bin/node", os.path.join(HERE, "firefox.js"), str(width), str(height), str(scale)],
                                       stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True,
                                       stderr=open(os.path.join(scratch, "firefox.log"), "w"),
                                       env=dict(os.environ, TMPDIR=scratch))
        self.scratch = scratch

    def ask(self, op, **request):
        self.bridge.stdin.write(json.dumps(dict(request, op=op)) + "\n")
        self.bridge.stdin.flush()
        line = self.bridge.stdout.readline()
        if not line:
            raise RuntimeError(f"Firefox's driver ended: see {self.scratch}/firefox.log")
        answer = json.loads(line)
        if "error" in answer:
            raise RuntimeError(f"Firefox: {op}: {answer['error']}")
        return answer["value"]

    def get(self, url):
        self.ask("goto", url=url)

    def script(self, body, *args):
        return self.ask("script", body=body, args=args)

    def script_async(self, body, *args):
        return self.ask("scriptAsync", body=body, args=args)

    def png(self):
        return base64.b64decode(self.ask("screenshot"))

    def click(self, xpath):
        self.ask("click", xpath=xpath)

    def reload(self):
        self.ask("reload")

    def hide(self):
        self.ask("hide")

    def show(self):
        self.ask("show")

    def console_errors(self):
        return self.ask("errors")

    def quit(self):
        # At the end of its input the driver closes Firefox; puppeteer closes it on SIGTERM too.
        self.bridge.stdin.close()
        try:
            self.bridge.wait(30)
        except subprocess.TimeoutExpired:
            self.bridge.terminate()
            self.bridge.wait()


ENGINES = {"chromium": Chromium, "webkit": WebKit, "firefox": Firefox}
