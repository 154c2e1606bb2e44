// A new build uploaded file by file in name order, its worker going live before its module and its
// WebAssembly: the new worker keeps nothing until every file on the server is its build's, the old
// build serves each reload whole meanwhile; once the upload is done a reload brings the new build,
// whole, and once the player has left, its worker takes over and the old build's cache goes.
//   node worker_deploy_test.cjs SITE WRITE_SERVICE_WORKER_MJS SERVICE_WORKER_JS
"use strict";
const { expect, expectEqual, run } = require("./harness.cjs");
const { Builds, Loads, askForEveryFile, leave, reload, settledWorker } = require("./builds.cjs");

const builds = new Builds(...process.argv.slice(2));
const kMostReloads = 20;

run(async (browser) => {
  const loads = new Loads(browser.client, browser.origin);
  await browser.load();
  await settledWorker(browser.client);
  const last = builds.files.at(-1);
  for (const file of builds.files) {
    builds.upload(file);
    const { caches } = await reload(browser, loads, { lookForUpdate: true });
    expectEqual(caches, file === last ? [builds.caches.A, builds.caches.B].sort() : [builds.caches.A],
      `the caches once ${file} is uploaded`);
  }
  await askForEveryFile(browser.client, undefined, builds.files);
  // The browser looks for the new worker after a reload; until it has it, a reload is the old build's.
  const lastLoad = async () => builds.judge((await loads.all()).at(-1));
  for (let reloads = 0; (await lastLoad()) !== "B"; ++reloads) {
    expect(reloads < kMostReloads, `the page is not on the new build after ${reloads} reloads`);
    await reload(browser, loads, { lookForUpdate: true });
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
