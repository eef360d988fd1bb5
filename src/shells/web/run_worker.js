// The runs' side of the page, at the end of zorvalite.js, which index.html starts as a worker.
// The worker draws the display block into a canvas of the block's size that the page hands over
// (an OffscreenCanvas) and places on its black screen: a change of the block then costs the
// browser a frame of that small canvas only, and none on the page's main thread. Each saver run is
// one instance of the module (Zorvalite) with a page object of its own, through which the shell
// (page.cpp) draws, sleeps and takes the page's events; index.html says when a run starts and
// passes on the page's events, its size and whether it shows.
if (typeof WorkerGlobalScope !== "undefined" && self instanceof WorkerGlobalScope) {
  (() => {
    "use strict";
    const compiled = fetch("zorvalite.wasm")
      .then(response => response.arrayBuffer())
      .then(bytes => WebAssembly.compile(bytes));
    let canvas = null;
    let context = null;
    let screen = { width: 1, height: 1, dpi: 96 };
    let hidden = false;
    let current = null;

    class RunPage {
      constructor(settings, query) {
        this.settings = settings;
        this.query = query;
        this.events = [];
        this.over = false;
        this.timer = 0;
        this.wakeUp = null;
      }
      screenSize() { return screen; }
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
      }
      // Around the block the screen is black.
      fillBlack() {
        context.fillStyle = "#000";
        context.fillRect(0, 0, canvas.width, canvas.height);
      }
      showScreen(shown) { self.postMessage({ screenShown: shown }); }
      showPointer(shown) { self.postMessage({ pointerShown: shown }); }
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
      }
      pass(event) {
        if (this.over) return;
        this.events.push(event);
        if (this.wakeUp) this.wakeUp();
      }
      visibilityChanged() {
        if (!this.wakeUp) return;
        clearTimeout(this.timer);
        this.timer = 0;
        if (!hidden) this.wakeUp();
      }
      settingText(key) { return this.settings[key] ?? null; }
      queryText(name) { return this.query[name] ?? null; }
      showSetting(key, value, note) { self.postMessage({ setting: { key, value, note } }); }
      report(text) {
        this.reported = true;
        self.postMessage({ report: text });
      }
      ended() {
        this.over = true;
        self.postMessage({ ended: this.reported === true });
      }
      // Lets the run go: it sleeps for good and the browser frees it.
      abandon() {
        this.over = true;
        clearTimeout(this.timer);
      }
    }

    function start({ settings, query }) {
      if (current) current.abandon();
      const page = new RunPage(settings, query);
      current = page;
      page.module = {
        page,
        instantiateWasm(imports, receive) {
          compiled.then(module => WebAssembly.instantiate(module, imports)).then(instance => receive(instance));
          return {};
        },
      };
      Zorvalite(page.module);
    }

    // The tests' view: the run's state as the core holds it and, when asked, the block canvas's
    // pixels, read in one turn of the worker, while the run sleeps: the canvas then shows that state.
    function answer(id, withPixels) {
      const module = current && current.module;
      const reply = { answer: id, timeOrigin: performance.timeOrigin, state: null };
      if (module && module.calledRun) reply.state = JSON.parse(module.UTF8ToString(module._zv_run_state()));
      if (!withPixels || !canvas) return self.postMessage(reply);
      reply.block = { width: canvas.width, height: canvas.height };
      reply.block.pixels = context.getImageData(0, 0, canvas.width, canvas.height).data.buffer;
      self.postMessage(reply, [reply.block.pixels]);
    }

    self.onmessage = ({ data }) => {
      if (data.canvas) {
        canvas = data.canvas;
        context = canvas.getContext("2d", { alpha: false });
      }
      if (data.screen) screen = data.screen;
      if ("hidden" in data) {
        hidden = data.hidden;
        if (current) current.visibilityChanged();
      }
      if (data.event && current) current.pass(data.event);
      if (data.start) start(data.start);
      if (data.ask) answer(data.ask, data.pixels);
    };
  })();
}
