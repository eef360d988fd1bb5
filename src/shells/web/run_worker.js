// A saver run's side of the page, at the end of zorvalite.js, which index.html starts as a worker
// for every run and ends with it: the run's process. The worker draws the display block into a
// canvas of the block's size that the page hands over (an OffscreenCanvas) and places on its
// black screen: a change of the block then costs the browser a frame of that small canvas only,
// and none on the page's main thread. The run is one instance of the module (Zorvalite), handed
// the page object below, through which the shell (page.cpp) draws, sleeps and takes the page's
// events; index.html passes on the page's events, its size and whether it shows.
if (typeof WorkerGlobalScope !== "undefined" && self instanceof WorkerGlobalScope) {
  (() => {
    "use strict";
    let canvas = null;
    let context = null;
    let screen = { width: 1, height: 1, dpi: 96 };
    let hidden = false;
    let module = null;

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
          self.postMessage({ block: place });
        }
        context.putImageData(image, 0, 0);
      },
      // Around the block the screen is black.
      fillBlack() {
        context.fillStyle = "#000";
        context.fillRect(0, 0, canvas.width, canvas.height);
      },
      showScreen(shown) { self.postMessage({ screenShown: shown }); },
      showPointer(shown) { self.postMessage({ pointerShown: shown }); },
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
      queryText(name) { return this.query[name] ?? null; },
      showSetting(key, value, note) { self.postMessage({ setting: { key, value, note } }); },
      report(text) {
        this.reported = true;
        self.postMessage({ report: text });
      },
      ended() { self.postMessage({ ended: this.reported === true }); },
    };

    // The tests' view: the run's state as the core holds it and, when asked, the block canvas's
    // pixels, read in one turn of the worker, while the run sleeps: the canvas then shows that state.
    function answer(id, withPixels) {
      const reply = { answer: id, timeOrigin: performance.timeOrigin, state: null };
      if (module && module.calledRun) reply.state = JSON.parse(module.UTF8ToString(module._zv_run_state()));
      if (!withPixels || !module) return self.postMessage(reply);
      reply.block = { width: canvas.width, height: canvas.height };
      reply.block.pixels = context.getImageData(0, 0, canvas.width, canvas.height).data.buffer;
      self.postMessage(reply, [reply.block.pixels]);
    }

    self.onmessage = ({ data }) => {
      if (data.screen) screen = data.screen;
      if ("hidden" in data) {
        hidden = data.hidden;
        page.visibilityChanged();
      }
      if (data.event) page.pass(data.event);
      if (data.ask) answer(data.ask, data.pixels);
      if (!data.start) return;
      // The module comes compiled, once for all runs.
      canvas = data.start.canvas;
      context = canvas.getContext("2d", { alpha: false });
      page.settings = data.start.settings;
      page.query = data.start.query;
      module = {
        page,
        instantiateWasm(imports, receive) {
          WebAssembly.instantiate(data.start.module, imports).then(instance => receive(instance));
          return {};
        },
      };
      Zorvalite(module);
    };
  })();
}
