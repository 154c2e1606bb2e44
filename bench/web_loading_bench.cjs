// The page from its first paint to a game that answers, and whether its first paint stays: on the
// desktop and on the emulated slow phone, the time from the first contentful paint to the module
// ready, and Chromium's own largest contentful paint and layout shift, each against the static
// page with the same first text and one button, loaded in turn with the game's (every load a first
// visit: nothing cached, no worker). Prints the report's lines, goals included.
//   node web_loading_bench.cjs SITE
"use strict";
const { Browser } = require("../tests/web/browser/harness.cjs");
const { median, kMarkStory, servePages, kPhone } = require("./web_measure.cjs");

const kRuns = { desktop: 15, phone: 9 };
const kWarmUp = 1;
// Between loads, for the browser to finish putting away what the last one left.
const kQuietMs = 300;
const kGoals = {
  readyMs: { phone: 1000 },          // first paint to ready, median
  lcp: { desktop: 1.5, phone: 1.3 }, // times the static page's
  cls: 0,
};

// Set before any of the page's own scripts: when the game's hook for its tests appears, the
// module is ready and the game started.
const kReadyProbe = `(() => {
  let value;
  Object.defineProperty(window, "tolm", {
    configurable: true,
    get: () => value,
    set: (v) => { value = v; window.__ready = performance.now(); },
  });
})();`;

// Runs in the page: once the game is ready (or, on the static page, painted) and a second has
// passed in which the whole faces and anything else may come in, the paints and the shifts.
const kSettledFigures = (isGame) => `new Promise((resolve) => {
  // An observer hears of buffered entries a moment later, and of none at all where there are none.
  const entries = (type) => new Promise((r) => {
    const got = [];
    const observer = new PerformanceObserver((list) => got.push(...list.getEntries()));
    observer.observe({ type, buffered: true });
    setTimeout(() => { got.push(...observer.takeRecords()); observer.disconnect(); r(got); }, 50);
  });
  const settle = () => (${isGame} && window.__ready === undefined) || !document.querySelector('[data-first-text]')
    ? setTimeout(settle, 20)
    : setTimeout(async () => {
        const [paints, largest, allShifts] = await Promise.all(['paint', 'largest-contentful-paint', 'layout-shift'].map(entries));
        const shifts = allShifts.filter((s) => !s.hadRecentInput);
        const fcp = paints.find((p) => p.name === 'first-contentful-paint')?.startTime ?? NaN;
        resolve({ fcp, lcp: largest[largest.length - 1].startTime, lcpCount: largest.length,
                  cls: shifts.reduce((sum, s) => sum + s.value, 0), ready: (window.__ready ?? NaN) - fcp });
      }, 1000);
  settle();
})`;

async function profile(browser, site, name) {
  const { Network, Emulation, Page, Storage } = browser.client;
  if (name === "phone") await browser.phone(kPhone.width, kPhone.height);
  else await browser.resize(1280, 800);
  const served = await servePages(browser, site);
  const scripts = [];
  try {
    for (const source of [kMarkStory, kReadyProbe]) scripts.push((await Page.addScriptToEvaluateOnNewDocument({ source })).identifier);
    await Network.setBypassServiceWorker({ bypass: true });
    await Network.setCacheDisabled({ cacheDisabled: true });
    if (name === "phone") {
      await Emulation.setCPUThrottlingRate({ rate: kPhone.slowdown });
      await Network.emulateNetworkConditions({
        offline: false, latency: kPhone.latencyMs,
        downloadThroughput: (kPhone.downKbit * 1000) / 8, uploadThroughput: (kPhone.upKbit * 1000) / 8,
      });
    }
    const figures = { game: [], static: [] };
    for (let round = 0; round < kWarmUp + kRuns[name]; ++round) {
      const order = round % 2 ? ["static", "game"] : ["game", "static"];
      for (const page of order) {
        const loaded = Page.loadEventFired();
        await Page.navigate({ url: served.pages[page] });
        await loaded;
        const f = await browser.eval(kSettledFigures(page === "game"));
        if (round >= kWarmUp) figures[page].push(f);
        // The next load a first visit too: the worker this one installed goes, well before it.
        await Storage.clearDataForOrigin({ origin: new URL(served.pages[page]).origin, storageTypes: "service_workers,cache_storage" });
        await new Promise((resolve) => setTimeout(resolve, kQuietMs));
      }
    }
    return figures;
  } finally {
    for (const identifier of scripts) await Page.removeScriptToEvaluateOnNewDocument({ identifier });
    await Emulation.setCPUThrottlingRate({ rate: 1 });
    await Network.emulateNetworkConditions({ offline: false, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
    served.close();
  }
}

function report(name, { game, static: floor }) {
  const m = (xs, key) => median(xs.map((x) => x[key]));
  const verdict = (met) => (met ? "met" : "NOT met");
  const ready = m(game, "ready");
  const lcp = m(game, "lcp") / m(floor, "lcp");
  const cls = Math.max(...game.map((x) => x.cls));
  const lines = [
    `  ${name}, ${game.length} loads of each page: first paint to ready ${ready.toFixed(0)} ms (median; min ` +
      `${Math.min(...game.map((x) => x.ready)).toFixed(0)}, max ${Math.max(...game.map((x) => x.ready)).toFixed(0)}); ` +
      `LCP ${m(game, "lcp").toFixed(0)} ms against ${m(floor, "lcp").toFixed(0)} ms (FCP ${m(game, "fcp").toFixed(0)} ms); ` +
      `LCP entries per load ${m(game, "lcpCount")}; CLS at most ${cls.toFixed(4)} (static page ${Math.max(...floor.map((x) => x.cls)).toFixed(4)})`,
  ];
  if (kGoals.readyMs[name]) lines.push(`  ${name}: first paint to ready ≤ ${kGoals.readyMs[name]} ms: ${ready.toFixed(0)} ms — ${verdict(ready <= kGoals.readyMs[name])}`);
  lines.push(`  ${name}: LCP ≤ ${kGoals.lcp[name]}× the static page: ${lcp.toFixed(2)}× — ${verdict(lcp <= kGoals.lcp[name])}`);
  lines.push(`  ${name}: CLS ${kGoals.cls}: ${cls.toFixed(4)} — ${verdict(cls <= kGoals.cls)}`);
  return lines;
}

(async () => {
  const [site] = process.argv.slice(2);
  const browser = await Browser.open(site);
  try {
    const lines = ["The page from its first paint, headless Chromium (every load a first visit)"];
    for (const name of ["desktop", "phone"]) lines.push(...report(name, await profile(browser, site, name)));
    console.log(lines.join("\n"));
  } finally {
    await browser.close();
  }
  process.exit();
})();
