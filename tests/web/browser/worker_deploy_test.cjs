// A new build uploaded file by file in name order, its worker going live before its module and its
// WebAssembly: the new worker keeps nothing until every file on the server is its build's, the old
// build serves each reload whole meanwhile; once the upload is done a reload brings the new build,
// whole, and once the player has left, its worker takes over and the old build's cache goes.
//   node worker_deploy_test.cjs SITE WRITE_SERVICE_WORKER_MJS SERVICE_WORKER_JS
"use strict";
const { expect, expectEqual, run } = require("./harness.cjs");
const { Builds, Loads, askForEveryFile, evalIn, leave, playing, settledWorker } = require("./builds.cjs");

const builds = new Builds(...process.argv.slice(2));
const kMostReloads = 20;

// A reload, and the browser's look for a new worker that a page load makes, awaited to its end.
async function reload(browser, loads) {
  await loads.all();
  const loaded = browser.client.Page.loadEventFired();
  await browser.client.Page.reload();
  await loaded;
  await playing(browser.client);
  await evalIn(browser.client, undefined, "navigator.serviceWorker.getRegistration().then((r) => r.update()).then(() => true, () => true)");
  return settledWorker(browser.client);
}

run(async (browser) => {
  const loads = new Loads(browser.client, browser.origin);
  await browser.load();
  await settledWorker(browser.client);
  const last = builds.files.at(-1);
  for (const file of builds.files) {
    builds.upload(file);
    const { caches } = await reload(browser, loads);
    expectEqual(caches, file === last ? [builds.caches.A, builds.caches.B].sort() : [builds.caches.A],
      `the caches once ${file} is uploaded`);
  }
  await askForEveryFile(browser.client, undefined, builds.files);
  // The browser looks for the new worker after a reload; until it has it, a reload is the old build's.
  const lastLoad = async () => builds.judge((await loads.all()).at(-1));
  for (let reloads = 0; (await lastLoad()) !== "B"; ++reloads) {
    expect(reloads < kMostReloads, `the page is not on the new build after ${reloads} reloads`);
    await reload(browser, loads);
  }
  await askForEveryFile(browser.client, undefined, builds.files);
  await loads.all();
  await leave(browser.client);
  await browser.load();
  await askForEveryFile(browser.client, undefined, builds.files);
  expectEqual((await settledWorker(browser.client)).caches, [builds.caches.B], "the caches once the new build's worker took over");
  const seen = (await loads.all()).map((load) => builds.judge(load));
  expect(seen.indexOf("B") > builds.files.length && seen.slice(seen.indexOf("B")).join() === "B,B",
    `the build of each page load, the old one's until the upload was done: ${seen}`);
}, { site: builds.live, timeLimitMs: 240000, finish: () => builds.remove() });
