"use strict";
// A headless Firefox ESR for lib.py's Firefox browser: Debian has no geckodriver, so puppeteer-core
// (node_modules beside this file) drives Firefox through Firefox's own WebDriver BiDi. Usage:
//   node firefox.js WIDTH HEIGHT SCALE
// then one JSON request a line on standard input, {"op": ..., ...}, each answered by one line on
// standard output, {"value": ...} or {"error": "..."}; the browser closes when the input ends.
const readline = require("readline");
const puppeteer = require("puppeteer-core");

async function main() {
  const [width, height, scale] = process.argv.slice(2).map(Number);
  const browser = await puppeteer.launch({
    browser: "firefox", executablePath: "/usr/bin/firefox-esr", headless: true, defaultViewport: null,
  });
  const page = (await browser.pages())[0];
  await page.setViewport({ width, height, deviceScaleFactor: scale });
  const errors = [];
  page.on("pageerror", error => errors.push(String(error)));
  page.on("console", message => { if (message.type() === "error") errors.push(message.text()); });
  // Headless Firefox has no minimized window: a tab in front of the page hides it.
  let cover = null;
  // Scripts are function bodies that see their arguments as `arguments`, as in WebDriver; an
  // asynchronous one gets its callback as the last.
  const run = (body, args) => new Function(body).apply(null, args);
  const runAsync = (body, args) => new Promise(resolve => new Function(body).apply(null, [...args, resolve]));
  const ops = {
    goto: async ({ url }) => { await page.goto(url); },
    reload: async () => { await page.reload(); },
    script: ({ body, args }) => page.evaluate(run, body, args),
    scriptAsync: ({ body, args }) => page.evaluate(runAsync, body, args),
    click: async ({ xpath }) => { await page.click(`::-p-xpath(${xpath})`); },
    screenshot: async () => Buffer.from(await page.screenshot()).toString("base64"),
    hide: async () => {
      cover = cover || await browser.newPage();
      await cover.bringToFront();
    },
    show: async () => { await page.bringToFront(); },
    errors: () => errors,
  };
  for await (const line of readline.createInterface({ input: process.stdin })) {
    const request = JSON.parse(line);
    let answer;
    try {
      answer = { value: (await ops[request.op](request)) ?? null };
    } catch (error) {
      answer = { error: String(error) };
    }
    process.stdout.write(JSON.stringify(answer) + "\n");
  }
  await browser.close();
}

main().catch(error => {
  console.error(error);
  process.exit(1);
});
