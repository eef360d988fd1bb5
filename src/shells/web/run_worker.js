// A saver run's side of the page, at the end of zorvalite.js (docs/ARCHITECTURE.md, "The web
// page"): the page object that the shell (page.cpp) calls as Module.page, and the run's instance
// of the module (Zorvalite) made when the page says start.
if (typeof WorkerGlobalScope !== "undefined" && self instanceof WorkerGlobalScope) {
  (() => {
    "use strict";
    let canvas = null;
    let context = null;
    let screen = { width: 1, height: 1, dpi: 96 };
    let hidden = false;

    const page = {
      events: [],
      timer: 0,
      wakeUp: null,
      place: null,
      screenSize() { return screen; },
      // The block canvas takes the image's size, and the page places it where the image goes.
      putPixels(image, x, y) {
        if (canvas.width !== image.width || canvas.height !== image.height) {
          canvas.width = image.width;
          canvas.height = image.height;
        }
        const place = { x, y, width: image.width, height: image.height };
        if (JSON.stringify(place) !== JSON.stringify(this.place)) {
          this.place = place;
          self.postMessage({ [ToPage.block]: place });
        }
        context.putImageData(image, 0, 0);
      },
      // Around the block the screen is black.
      fillBlack() {
        context.fillStyle = "#000";
        context.fillRect(0, 0, canvas.width, canvas.height);
      },
      showScreen(shown) { self.postMessage({ [ToPage.screenShown]: shown }); },
      showPointer(shown) { self.postMessage({ [ToPage.pointerShown]: shown }); },
      // Resolves after `milliseconds`, or at once when an event comes; while the page is hidden
      // the time does not run out, so the run pauses until it shows again.
      wait(milliseconds) {
        return new Promise(resolve => {
          this.wakeUp = () => {
            clearTimeout(this.timer);
            this.timer = 0;
            this.wakeUp = null;
            resolve();
          };
          if (this.events.length > 0) this.wakeUp();
          else if (!hidden) this.timer = setTimeout(this.wakeUp, milliseconds);
        });
      },
      pass(event) {
        this.events.push(event);
        if (this.wakeUp) this.wakeUp();
      },
      visibilityChanged() {
        if (!this.wakeUp) return;
        clearTimeout(this.timer);
        this.timer = 0;
        if (!hidden) this.wakeUp();
      },
      settingText(key) { return this.settings[key] ?? null; },
      showSetting(key, value, note) { self.postMessage({ [ToPage.setting]: { key, value, note } }); },
      report(text) {
        this.reported = true;
        self.postMessage({ [ToPage.report]: text });
      },
      ended() { self.postMessage({ [ToPage.ended]: this.reported === true }); },
    };

    // What the page tells the run, by the message's key.
    const fromPage = {
      [ToWorker.screen]: size => { screen = size; },
      [ToWorker.hidden]: isHidden => {
        hidden = isHidden;
        page.visibilityChanged();
      },
      [ToWorker.event]: event => page.pass(event),
      // The module comes compiled, once for all runs.
      [ToWorker.start]: start => {
        canvas = start.canvas;
        context = canvas.getContext("2d", { alpha: false });
        page.settings = start.settings;
        Zorvalite({
          page,
          instantiateWasm(imports, receive) {
            WebAssembly.instantiate(start.module, imports).then(instance => receive(instance));
            return {};
          },
        });
      },
    };
    self.onmessage = ({ data }) => {
      for (const [key, value] of Object.entries(data)) fromPage[key]?.(value);
    };
  })();
}
