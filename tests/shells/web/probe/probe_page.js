// The probe page's test hook, inlined before the page's own script: it follows the page's runs
// (each worker the page starts is one) and offers the browser checks window.zorvalite:
// - runs(): how many runs there were;
// - ask(pixels, first): the current run's state (null before it starts) as the core holds it, its
//   first pass timed on the page's clock (firstPassMs); with `pixels`, the screen in device pixels
//   as base64 of its red, green, blue, alpha bytes: black, with the block canvas's pixels, read in
//   the same turn of the run's worker, where the page shows the canvas. With `first`, the state and
//   the block as the run's first pass left them, the block where that state places it.
// Each run gets the page's ?seed= (probe_worker.js).
(() => {
  const PageWorker = Worker;
  const answers = new Map();
  let worker = null;
  let runs = 0;
  let asked = 0;

  window.Worker = class extends PageWorker {
    constructor(...args) {
      super(...args);
      // What the tests asked of the run that ended has no answer.
      for (const resolve of answers.values()) resolve({ state: null });
      answers.clear();
      worker = this;
      runs += 1;
      this.addEventListener("message", ({ data }) => {
        if (this !== worker || !answers.has(data.answer)) return;
        answers.get(data.answer)(data);
        answers.delete(data.answer);
      });
      this.postMessage({ seed: new URLSearchParams(location.search).get("seed") });
    }
  };

  const ratio = () => window.devicePixelRatio || 1;

  window.zorvalite = {
    runs: () => runs,
    ask: (pixels, first = false) => new Promise(resolve => {
      if (!worker) return resolve({ state: null });
      asked += 1;
      answers.set(asked, resolve);
      worker.postMessage({ ask: asked, pixels, first });
    }).then(({ state, timeOrigin, block: drawn }) => {
      if (state) state.firstPassMs = timeOrigin + state.firstRefreshMs - performance.timeOrigin;
      if (!drawn) return { state };
      // The screen as the page sizes it for the run.
      const screen = document.getElementById("screen").getBoundingClientRect();
      const width = Math.max(1, Math.round(screen.width * ratio()));
      const height = Math.max(1, Math.round(screen.height * ratio()));
      const bytes = new Uint8Array(width * height * 4);
      for (let i = 3; i < bytes.length; i += 4) bytes[i] = 255;
      const box = first && state ? { left: state.block[0], top: state.block[1] } : document.getElementById("block").getBoundingClientRect();
      const left = Math.round(box.left * ratio()), top = Math.round(box.top * ratio());
      const source = new Uint8Array(drawn.pixels);
      for (let row = 0; row < drawn.height; row++) {
        for (let column = 0; column < drawn.width; column++) {
          const x = left + column, y = top + row;
          if (x < 0 || y < 0 || x >= width || y >= height) continue;
          const from = 4 * (row * drawn.width + column), to = 4 * (y * width + x);
          bytes.set(source.subarray(from, from + 4), to);
        }
      }
      let text = "";
      for (let i = 0; i < bytes.length; i += 0x8000) text += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
      return { state, width, height, pixels: btoa(text) };
    }),
  };
})();
