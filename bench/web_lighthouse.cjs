// Lighthouse, pinned by the browser tests' lockfile, on Debian's Chromium: the page with the
// mobile and the desktop presets, in each language the game speaks, its four categories scored.
// Prints the report's lines, goals included. Lighthouse throttles by simulation, so its
// performance score moves with the machine's load: the report gives the load beside it.
//   node web_lighthouse.cjs SITE
"use strict";
const os = require("node:os");
const path = require("node:path");
const { pathToFileURL } = require("node:url");
const { Browser } = require("../tests/web/browser/harness.cjs");

const kCategories = ["performance", "accessibility", "best-practices", "seo"];
// On a quiet machine: every category 100 on the desktop, and performance 95 or more on a phone.
const kGoals = { desktop: { performance: 100, accessibility: 100, "best-practices": 100, seo: 100 }, mobile: { performance: 95 } };

async function audit(lighthouse, config, port, url) {
  const { lhr } = await lighthouse(url, { port, output: "json", logLevel: "error", onlyCategories: kCategories }, config);
  if (lhr.runtimeError) throw new Error(`Lighthouse at ${url}: ${lhr.runtimeError.message}`);
  return Object.fromEntries(kCategories.map((c) => [c, Math.round(lhr.categories[c].score * 100)]));
}

(async () => {
  const [site] = process.argv.slice(2);
  // Lighthouse is an ES module; an import finds no package by NODE_PATH, a require does.
  const home = path.dirname(require.resolve("lighthouse/package.json"));
  const { default: lighthouse } = await import(pathToFileURL(path.join(home, "core", "index.js")).href);
  const { default: desktopConfig } = await import(pathToFileURL(path.join(home, "core", "config", "desktop-config.js")).href);
  const browser = await Browser.open(site);
  try {
    const { languages } = await browser.load().then(() => browser.eval("window.tolm.description"));
    const load = os.loadavg()[0];
    const lines = [`Lighthouse 12.2.3 on Debian's Chromium, first visits (load average ${load.toFixed(2)} at the start)`];
    const verdicts = [];
    for (const [preset, config] of [["mobile", undefined], ["desktop", desktopConfig]]) {
      for (const { code } of languages) {
        const scores = await audit(lighthouse, config, browser.client.port, `${browser.origin}/?lang=${code}`);
        lines.push(`  ${preset.padEnd(8)} ${code}: ${kCategories.map((c) => `${c} ${scores[c]}`).join(", ")}`);
        for (const [category, goal] of Object.entries(kGoals[preset])) {
          verdicts.push(`  lighthouse ${preset} ${code}: ${category} ≥ ${goal}: ${scores[category]} — ${scores[category] >= goal ? "met" : "NOT met"}`);
        }
      }
    }
    console.log([...lines, ...verdicts].join("\n"));
  } finally {
    await browser.close();
  }
  process.exit();
})();
