// What the web benchmarks share: medians, the first-scene probe and the static floor pages.
"use strict";
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { serve } = require("../tests/web/browser/harness.cjs");

const median = (xs) => {
  const s = [...xs].sort((a, b) => a - b);
  return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
};
const percentile = (xs, p) => [...xs].sort((a, b) => a - b)[Math.min(xs.length - 1, Math.floor(xs.length * p))];

// A phone in the hand: upright, a processor a quarter as fast as this machine's and a poor mobile
// connection.
const kPhone = { width: 390, height: 844, slowdown: 4, downKbit: 1600, upKbit: 750, latencyMs: 150 };

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

// The game marks its story label for the probe only through its name.
const kMarkStory = `new MutationObserver(() => {
  const p = document.querySelector('#game [data-name="P"]'); if (p) p.setAttribute('data-first-text', '');
}).observe(document, { subtree: true, childList: true });`;

async function firstScene(browser, url) {
  const loaded = browser.client.Page.loadEventFired();
  await browser.client.Page.navigate({ url });
  await loaded;
  return browser.eval(kFirstScenePainted);
}

// The floor: the first text and one button, plain; and the same in the game's two faces for
// them, to show what of the difference the fonts take. A phone lays them out at its own width,
// as it does the game.
function staticPages(site, text, button) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), "tolm-static-"));
  const escape = (s) => s.replace(/&/g, "&amp;").replace(/</g, "&lt;");
  const body = `<p data-first-text>${escape(text)}</p><button type="button">${escape(button)}</button>`;
  const head = `<!DOCTYPE html><html lang="cs"><head><meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1"><title>Tolm</title><link rel="icon" href="data:,">`;
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

// The game's page and the floor's two, the floor on a port of its own; `close` takes the floor away.
async function servePages(browser, site) {
  await browser.load();
  const description = await browser.eval("window.tolm.description");
  const caption = (name) => description.controls.find((c) => c.name === name).caption;
  const dir = staticPages(site, caption("P"), caption("Vyjít"));
  const server = await serve(dir);
  const floor = `http://127.0.0.1:${server.address().port}/`;
  return {
    pages: { game: `${browser.origin}/`, static: floor, fonts: `${floor}fonts.html` },
    close: () => {
      server.close();
      fs.rmSync(dir, { recursive: true, force: true });
    },
  };
}

// Loads of each page in turn, the order turning each round, the first rounds left out: the
// paint times of each page, and the bytes the game fetched until its first scene.
async function interleavedLoads(browser, pages, runs, warmUp) {
  const times = Object.fromEntries(Object.keys(pages).map((page) => [page, []]));
  const bytes = [];
  for (let round = 0; round < warmUp + runs; ++round) {
    const all = Object.keys(pages);
    const order = [...all.slice(round % all.length), ...all.slice(0, round % all.length)];
    for (const page of order) {
      const r = await firstScene(browser, pages[page]);
      if (round < warmUp) continue;
      times[page].push(r.painted);
      if (page === "game") bytes.push(r.bytes);
    }
  }
  return { times, bytes };
}

module.exports = { median, percentile, kMarkStory, kPhone, servePages, interleavedLoads };
