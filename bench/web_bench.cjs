// The web edition's figures in headless Chromium, printed as key=value lines for run_bench.py:
// the bytes fetched until the first scene is painted, navigation to the first scene painted
// against a static page with the same first text and one button (both timed by Chromium's own
// largest-contentful-paint, interleaved), and a click to the next painted frame.
//   node web_bench.cjs SITE PLAYTHROUGHS_JSON
"use strict";
const fs = require("node:fs");
const path = require("node:path");
const { Browser } = require("../tests/web/browser/harness.cjs");
const { median, percentile, kMarkStory, servePages, interleavedLoads } = require("./web_measure.cjs");

// A first paint is timed in steps of a few milliseconds and varies with the machine's load: thirty
// loads of each page give a steady median.
const kRuns = 30;
const kWarmUp = 2;

(async () => {
  const [site, playthroughsFile] = process.argv.slice(2);
  const browser = await Browser.open(site);
  let floor;
  try {
    await browser.client.Network.setCacheDisabled({ cacheDisabled: true });
    // Every load is timed as a first visit's, over the network, past the worker that would serve
    // the later ones from its cache.
    await browser.client.Network.setBypassServiceWorker({ bypass: true });
    floor = await servePages(browser, site);
    const { pages } = floor;

    await browser.client.Page.addScriptToEvaluateOnNewDocument({ source: kMarkStory });
    const { times, bytes } = await interleavedLoads(browser, pages, kRuns, kWarmUp);

    // Click to the next painted frame, over every choice of every playthrough.
    await browser.client.Network.setCacheDisabled({ cacheDisabled: false });
    const playthroughs = JSON.parse(fs.readFileSync(playthroughsFile, "utf8"));
    const clicks = [];
    for (const p of playthroughs) {
      await browser.load();
      await browser.eval(`window.__frames = []; document.addEventListener('click', (e) => {
        const t0 = e.timeStamp;
        requestAnimationFrame(() => { const c = new MessageChannel();
          c.port1.onmessage = () => window.__frames.push(performance.now() - t0); c.port2.postMessage(0); });
      }, true)`);
      for (const [choice] of p.steps) {
        const { x, y } = await browser.centre(choice);
        // A choice under another button is no click's: the playthrough's clicks end there.
        if ((await browser.eval(`document.elementFromPoint(${x}, ${y}).dataset.name`)) !== choice) break;
        await browser.clickAt(x, y);
        await browser.eval("new Promise((r) => requestAnimationFrame(() => setTimeout(r, 20)))");
      }
      clicks.push(...(await browser.eval("window.__frames")));
    }

    const wasm = fs.statSync(path.join(site, "tolm.wasm")).size;
    const siteBytes = (dir) => fs.readdirSync(dir, { withFileTypes: true })
      .reduce((sum, e) => sum + (e.isDirectory() ? siteBytes(path.join(dir, e.name)) : fs.statSync(path.join(dir, e.name)).size), 0);
    const lines = {
      runs: kRuns,
      bytes_first_scene: median(bytes),
      site_bytes: siteBytes(site),
      wasm_bytes: wasm,
      game_painted_median: median(times.game).toFixed(1),
      game_painted_min: Math.min(...times.game).toFixed(1),
      game_painted_max: Math.max(...times.game).toFixed(1),
      static_painted_median: median(times.static).toFixed(1),
      static_painted_min: Math.min(...times.static).toFixed(1),
      static_painted_max: Math.max(...times.static).toFixed(1),
      fonts_painted_median: median(times.fonts).toFixed(1),
      click_samples: clicks.length,
      click_median: median(clicks).toFixed(2),
      click_p90: percentile(clicks, 0.9).toFixed(2),
      click_max: Math.max(...clicks).toFixed(2),
    };
    for (const [k, v] of Object.entries(lines)) console.log(`${k}=${v}`);
  } finally {
    floor?.close();
    await browser.close();
  }
  process.exit();
})();
