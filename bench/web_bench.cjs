// The web edition's figures in headless Chromium, printed as key=value lines for run_bench.py:
// the bytes fetched until the first scene is painted, navigation to the first scene painted
// against a static page with the same first text and one button (both timed by Chromium's own
// largest-contentful-paint, interleaved), and a click to the next painted frame.
//   node web_bench.cjs SITE PLAYTHROUGHS_JSON
"use strict";
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { Browser, serve } = require("../tests/web/browser/harness.cjs");

// A first paint is timed in steps of a few milliseconds and varies with the machine's load: thirty
// loads of each page give a steady median.
const kRuns = 30;
const kWarmUp = 2;

const median = (xs) => {
  const s = [...xs].sort((a, b) => a - b);
  return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
};
const percentile = (xs, p) => [...xs].sort((a, b) => a - b)[Math.min(xs.length - 1, Math.floor(xs.length * p))];

// The last largest-contentful-paint once the page's text is up: the first scene, painted.
const kFirstScenePainted = `new Promise((resolve) => {
  const ready = () => document.fonts.status === 'loaded' && document.querySelector('[data-first-text]');
  const wait = () => ready() ? requestAnimationFrame(() => setTimeout(report, 50)) : setTimeout(wait, 5);
  const report = () => new PerformanceObserver((list) => {
    const entries = list.getEntries();
    const nav = performance.getEntriesByType('navigation')[0];
    const end = entries[entries.length - 1].startTime;
    const bytes = nav.transferSize + performance.getEntriesByType('resource')
      .filter((r) => r.responseEnd <= end).reduce((sum, r) => sum + r.transferSize, 0);
    resolve({ painted: end, bytes });
  }).observe({ type: 'largest-contentful-paint', buffered: true });
  wait();
})`;

async function firstScene(browser, url) {
  const loaded = browser.client.Page.loadEventFired();
  await browser.client.Page.navigate({ url });
  await loaded;
  return browser.eval(kFirstScenePainted);
}

// The floor: the first text and one button, plain; and the same in the game's two faces for
// them, to show what of the difference the fonts take.
function staticPages(site, text, button) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), "tolm-static-"));
  const escape = (s) => s.replace(/&/g, "&amp;").replace(/</g, "&lt;");
  const body = `<p data-first-text>${escape(text)}</p><button type="button">${escape(button)}</button>`;
  const head = `<!DOCTYPE html><html lang="cs"><head><meta charset="utf-8"><title>Tolm</title><link rel="icon" href="data:,">`;
  fs.writeFileSync(path.join(dir, "index.html"), `${head}</head><body>${body}</body></html>`);
  fs.mkdirSync(path.join(dir, "fonts"));
  // The game writes its fonts into its page; the build keeps the files beside the site.
  fs.copyFileSync(path.join(site, "..", "fonts", "urw-bookman-demi.woff2"), path.join(dir, "fonts", "urw-bookman-demi.woff2"));
  fs.writeFileSync(path.join(dir, "fonts.html"), `${head}
<link rel="preload" href="fonts/urw-bookman-demi.woff2" as="font" type="font/woff2" crossorigin>
<style>@font-face { font-family: "URW Bookman"; src: url("fonts/urw-bookman-demi.woff2") format("woff2");
font-weight: 600; font-display: block; } p, button { font: 600 16px "URW Bookman"; }</style></head>
<body>${body}</body></html>`);
  return dir;
}

(async () => {
  const [site, playthroughsFile] = process.argv.slice(2);
  const browser = await Browser.open(site);
  let baseline;
  let staticDir;
  try {
    await browser.client.Network.setCacheDisabled({ cacheDisabled: true });
    // Every load is timed as a first visit's, over the network, past the worker that would serve
    // the later ones from its cache.
    await browser.client.Network.setBypassServiceWorker({ bypass: true });
    await browser.load();
    const description = await browser.eval("window.tolm.description");
    const caption = (name) => description.controls.find((c) => c.name === name).caption;
    staticDir = staticPages(site, caption("P"), caption("Vyjít"));
    baseline = await serve(staticDir);
    const floor = `http://127.0.0.1:${baseline.address().port}/`;
    const pages = { game: `${browser.origin}/`, static: floor, fonts: `${floor}fonts.html` };

    // The game marks its story label for the probe only through its name.
    await browser.client.Page.addScriptToEvaluateOnNewDocument({ source: `new MutationObserver(() => {
      const p = document.querySelector('#game [data-name="P"]'); if (p) p.setAttribute('data-first-text', '');
    }).observe(document, { subtree: true, childList: true });` });

    const times = { game: [], static: [], fonts: [] };
    const bytes = [];
    for (let round = 0; round < kWarmUp + kRuns; ++round) {
      const all = Object.keys(pages);
      const order = [...all.slice(round % all.length), ...all.slice(0, round % all.length)];
      for (const page of order) {
        const r = await firstScene(browser, pages[page]);
        if (round < kWarmUp) continue;
        times[page].push(r.painted);
        if (page === "game") bytes.push(r.bytes);
      }
    }

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
    baseline?.close();
    if (staticDir) fs.rmSync(staticDir, { recursive: true, force: true });
    await browser.close();
  }
  process.exit();
})();
