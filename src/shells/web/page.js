// The page's side: the black screen, the panel, full screen, and a worker for every saver run
// (docs/ARCHITECTURE.md, "The web page"). Inlined into index.html after page_protocol.js.
(() => {
  const screen = document.getElementById("screen");
  let block = document.getElementById("block");
  const panel = document.getElementById("panel");
  const notes = document.getElementById("notes");
  const query = new URLSearchParams(location.search);
  // The panel keeps a setting as the store does: decimal text under application, section, key.
  const storageKey = key => "Zorvalite/Options/" + key;
  const fullScreen = () => document.fullscreenElement === screen;
  const ratio = () => window.devicePixelRatio || 1;
  // Compiled once, instantiated by every run.
  const compiled = fetch("zorvalite.wasm")
    .then(response => response.arrayBuffer())
    .then(bytes => WebAssembly.compile(bytes));
  let wasm = null;
  let worker = null;
  // Where the run draws the block, in device pixels of the screen.
  let blockPlace = { x: 0, y: 0, width: 0, height: 0 };
  let run = null;

  // The screen in device pixels, and its DPI: 96 for each device pixel per CSS pixel.
  function screenSize() {
    const box = screen.getBoundingClientRect();
    return {
      width: Math.max(1, Math.round(box.width * ratio())),
      height: Math.max(1, Math.round(box.height * ratio())),
      dpi: Math.round(96 * ratio()),
    };
  }

  function placeBlock() {
    const { x, y, width, height } = blockPlace;
    block.style.width = width / ratio() + "px";
    block.style.height = height / ratio() + "px";
    block.style.transform = `translate(${x / ratio()}px, ${y / ratio()}px)`;
  }

  function settingText(key) {
    const given = query.get(key.toLowerCase());
    if (given !== null) return given;
    try {
      return localStorage.getItem(storageKey(key));
    } catch (error) {
      return null;  // storage refused (a private window, a file: page)
    }
  }

  // A canvas can hand its drawing to one worker only: each run has a fresh one.
  function startRun() {
    if (worker) worker.terminate();
    const canvas = document.createElement("canvas");
    canvas.id = "block";
    block.replaceWith(canvas);
    block = canvas;
    blockPlace = { x: 0, y: 0, width: 0, height: 0 };
    const offscreen = block.transferControlToOffscreen();
    const settings = { Level: settingText("Level"), Spec: settingText("Spec") };
    const start = { settings, module: wasm, canvas: offscreen };
    const started = new Worker("zorvalite.js");
    started.onmessage = ({ data }) => { if (started === worker) heard(data); };
    started.postMessage({ [ToWorker.screen]: screenSize(), [ToWorker.hidden]: document.hidden, [ToWorker.start]: start },
                        [offscreen]);
    worker = started;
    run = { over: false, wentFullScreen: false };
    notes.replaceChildren();
  }

  function runEnded(reported) {
    run.over = true;
    if (reported) return;
    if (fullScreen()) document.exitFullscreen().then(startRun, startRun);
    else startRun();
  }

  function showSetting({ key, value, note }) {
    for (const choice of panel.elements[key]) choice.checked = Number(choice.value) === value;
    if (note) notes.append(key + " " + note + ".", document.createElement("br"));
  }

  // What the run tells the page, by the message's key.
  const fromRun = {
    [ToPage.block]: place => {
      blockPlace = place;
      placeBlock();
    },
    [ToPage.screenShown]: shown => screen.classList.toggle("hidden", !shown),
    [ToPage.pointerShown]: shown => screen.classList.toggle("no-pointer", !shown),
    [ToPage.setting]: showSetting,
    [ToPage.report]: text => notes.append(text, document.createElement("br")),
    [ToPage.ended]: runEnded,
  };

  function heard(data) {
    for (const [key, value] of Object.entries(data)) fromRun[key]?.(value);
  }

  function pass(kind, x = 0, y = 0) {
    if (run && !run.over) worker.postMessage({ [ToWorker.event]: { kind, x, y } });
  }

  // Input reaches the run only in full screen, where the saver's quit rules apply.
  document.addEventListener("keydown", event => {
    if (!fullScreen()) return;
    event.preventDefault();
    pass(EventKind.Key);
  });
  // Over the block as anywhere else on the screen, which starts at the window's corner.
  screen.addEventListener("pointerup", () => { if (fullScreen()) pass(EventKind.Click); });
  screen.addEventListener("wheel", () => { if (fullScreen()) pass(EventKind.Click); }, { passive: true });
  screen.addEventListener("contextmenu", event => { if (fullScreen()) event.preventDefault(); });
  screen.addEventListener("pointermove", event => {
    if (fullScreen()) pass(EventKind.PointerMove, event.clientX * ratio(), event.clientY * ratio());
  });
  window.addEventListener("resize", () => {
    placeBlock();
    if (!worker) return;
    worker.postMessage({ [ToWorker.screen]: screenSize() });
    pass(EventKind.Resize);
  });
  // Full screen left by the browser itself (its Esc): the run's window is closed. A run that
  // ended leaves full screen itself, and the next starts once it has been left.
  document.addEventListener("fullscreenchange", () => {
    if (!run) return;
    if (fullScreen()) run.wentFullScreen = true;
    else if (run.wentFullScreen) pass(EventKind.Closed);
  });
  document.addEventListener("visibilitychange", () => {
    if (worker) worker.postMessage({ [ToWorker.hidden]: document.hidden });
  });

  document.getElementById("full-screen").addEventListener("click", () => {
    screen.requestFullscreen({ navigationUI: "hide" }).catch(error => notes.append(String(error)));
  });
  // A choice is kept and takes effect at once, in a new run; it overrides the query's.
  panel.addEventListener("change", event => {
    const key = event.target.name;
    let kept = true;
    try {
      localStorage.setItem(storageKey(key), event.target.value);
    } catch (error) {
      kept = false;
    }
    if (query.has(key.toLowerCase())) {
      query.delete(key.toLowerCase());
      history.replaceState(null, "", query.toString() === "" ? location.pathname : "?" + query);
    }
    startRun();
    if (!kept) notes.append("This browser keeps no settings for this page.", document.createElement("br"));
  });

  compiled.then(module => {
    wasm = module;
    startRun();
  });
})();
