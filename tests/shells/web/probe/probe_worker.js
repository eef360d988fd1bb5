// The probe page's side of the run's worker, after run_worker.js: it hands the run the page's seed
// (Module.seed, which web_state_probe.cpp reads), notes when the block was first drawn, keeps the
// first pass (the state and the block canvas's pixels when the run first ticks or sleeps), and
// answers the page's ask: the run's state (zv_run_state) and, when asked, the block canvas's
// pixels, read in one turn of the worker, while the run sleeps: the canvas then shows that state.
// Asked for the first pass, it answers the kept one, or, before the run first ticks or sleeps
// (then it waits for the first time), the current one.
if (typeof WorkerGlobalScope !== "undefined" && self instanceof WorkerGlobalScope) {
  (() => {
    "use strict";
    let seed = null;
    let canvas = null;
    let context = null;
    let run = null;
    let firstRefreshMs = -1;
    let firstPass = null;

    const makeRun = Zorvalite;
    Zorvalite = module => {
      run = module;
      run.seed = seed;
      const putPixels = run.page.putPixels;
      run.page.putPixels = function (...args) {
        putPixels.apply(this, args);
        if (firstRefreshMs < 0) firstRefreshMs = performance.now();
      };
      run.firstPassOver = state => {
        firstPass = { state: JSON.parse(state), image: context.getImageData(0, 0, canvas.width, canvas.height) };
      };
      return makeRun(module);
    };

    function answer(id, withPixels, first) {
      const reply = { answer: id, timeOrigin: performance.timeOrigin, state: null };
      const kept = first && firstPass;
      if (kept) reply.state = { ...firstPass.state };
      else if (run && run.calledRun) reply.state = JSON.parse(run.UTF8ToString(run._zv_run_state()));
      if (reply.state) reply.state.firstRefreshMs = firstRefreshMs;
      if (!withPixels || !run) return self.postMessage(reply);
      const image = kept ? firstPass.image : context.getImageData(0, 0, canvas.width, canvas.height);
      reply.block = { width: image.width, height: image.height, pixels: image.data.slice().buffer };
      self.postMessage(reply, [reply.block.pixels]);
    }

    const toRun = self.onmessage;
    self.onmessage = message => {
      const { data } = message;
      if ("seed" in data) seed = data.seed;
      if (data.ask) return answer(data.ask, data.pixels, data.first);
      if (data[ToWorker.start]) {
        // The block canvas, and the context the run draws with: Firefox gives no second one.
        canvas = data[ToWorker.start].canvas;
        const getContext = canvas.getContext;
        canvas.getContext = (...args) => (context = getContext.apply(canvas, args));
      }
      toRun(message);
    };
  })();
}
