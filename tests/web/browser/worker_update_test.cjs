// A new build of the site reaches the player, and never mixes with the old one: while a page of
// the old build is open, pages keep coming whole from the old build's cache; reloading the only
// open page brings the new build, every file of it, and the old cache is gone.
//   node worker_update_test.cjs SITE WRITE_SERVICE_WORKER_MJS SERVICE_WORKER_JS
"use strict";
const { execFileSync } = require("node:child_process");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { expect, expectEqual, run, waitFor } = require("./harness.cjs");

const kOldTitle = "Hra skončila.";
const kNewTitle = "Hra skončila, nová.";
const kNewModuleMark = "\n// the new build\n";
const kTimeLimitMs = 120000;

const cacheOf = (site) => /^const kCache = "([^"]+)";$/m.exec(fs.readFileSync(path.join(site, "sw.js"), "utf8"))[1];

// The build on the page, by its end screen's title and the module its worker serves.
const kBuildSeen = `(async () => ({
  title: document.getElementById('over-title').textContent,
  newModule: (await (await fetch('tolm.js')).text()).endsWith(${JSON.stringify(kNewModuleMark)}),
  playing: !!window.tolm,
  controlled: !!navigator.serviceWorker.controller,
  caches: await caches.keys(),
}))()`;

async function reload(browser) {
  const loaded = browser.client.Page.loadEventFired();
  await browser.client.Page.reload();
  await loaded;
}

// A page between two loads has no context to evaluate in, and a refresh is such a time.
async function settledOn(browser, title) {
  return waitFor(`the page with the title "${title}"`, async () => {
    try {
      const seen = await browser.eval(kBuildSeen);
      return seen.title === title && seen.playing ? seen : null;
    } catch {
      return null;
    }
  });
}

async function test(browser, site, writer, source) {
  const { Target } = browser.client;
  await browser.load();
  await waitFor("the first build's worker", () =>
    browser.eval("navigator.serviceWorker.getRegistration().then((r) => r?.active?.state === 'activated')"));
  const oldCache = cacheOf(site);
  expectEqual((await browser.eval(kBuildSeen)).caches, [oldCache], "the caches of the first build");
  execFileSync(process.execPath, [writer, site, source]);
  expectEqual(cacheOf(site), oldCache, "the cache of the same site, its worker written again");

  const index = path.join(site, "index.html");
  fs.writeFileSync(index, fs.readFileSync(index, "utf8").replace(`>${kOldTitle}<`, `>${kNewTitle}<`));
  fs.appendFileSync(path.join(site, "tolm.js"), kNewModuleMark);
  execFileSync(process.execPath, [writer, site, source]);
  const newCache = cacheOf(site);
  expect(newCache !== oldCache, `the new build has a cache of its own, not ${oldCache}`);

  // A second page of the old build stands in for another tab the player keeps open.
  const { targetId } = await Target.createTarget({ url: `${browser.origin}/`, background: true });
  const { sessionId } = await Target.attachToTarget({ targetId, flatten: true });
  await waitFor("the second page, served by the worker", async () => (await browser.client.Runtime.evaluate(
    { expression: "document.readyState === 'complete' && !!navigator.serviceWorker.controller", returnByValue: true },
    sessionId)).result.value);
  await browser.client.Page.bringToFront();
  await browser.load();
  await waitFor("the new build, installed", () => browser.eval(`navigator.serviceWorker.getRegistration()
    .then(async (r) => !r.installing && (await caches.keys()).includes(${JSON.stringify(newCache)}))`));
  const cases = [
    { what: "the next visit, while the new build installs", reload: false },
    { what: "a reload while another page of the old build is open", reload: true },
  ];
  for (const { what, reload: again } of cases) {
    if (again) await reload(browser);
    const seen = await settledOn(browser, kOldTitle);
    expect(seen.controlled && !seen.newModule, `on ${what}, the page and its module are the old build's`);
    expect(seen.caches.includes(oldCache), `on ${what}, the old build's cache stays: ${seen.caches}`);
  }

  await Target.closeTarget({ targetId });
  await waitFor("the second page closed", async () =>
    !(await Target.getTargets()).targetInfos.some((target) => target.targetId === targetId));
  await reload(browser);
  const seen = await settledOn(browser, kNewTitle);
  expect(seen.controlled && seen.newModule, "after a reload of the only page, the page and its module are the new build's");
  expectEqual(seen.caches, [newCache], "the caches once the new build has taken over");
  const before = (await browser.seen()).story;
  await browser.click("Vyjít");
  expect((await browser.seen()).story !== before, "the new build plays");
}

const [site, writer, source] = process.argv.slice(2);
const copy = fs.mkdtempSync(path.join(os.tmpdir(), "tolm-update-"));
fs.cpSync(site, copy, { recursive: true });
// A load that never comes would leave the test waiting for ever: it ends, and the browser with it.
run((browser) => test(browser, copy, writer, source), {
  site: copy,
  timeLimitMs: kTimeLimitMs,
  finish: () => fs.rmSync(copy, { recursive: true, force: true }),
});
