// A new build reaches a player who has the game open: the old page is reloaded again and again
// while the new build installs, and a new page opens beside it once it is installed. Every page
// load keeps to one build, by the bytes of every file it received, also the files each page asks
// for afterwards; the reloads end on the new build, the old build's cache stays while a page of it
// is open, and once the player has left, the new build's worker takes over and the old cache goes.
//   node worker_update_test.cjs SITE WRITE_SERVICE_WORKER_MJS SERVICE_WORKER_JS
"use strict";
const { expect, expectEqual, run, waitFor } = require("./harness.cjs");
const { Builds, Loads, askForEveryFile, evalIn, leave, playing, reload, settledWorker } = require("./builds.cjs");

const builds = new Builds(...process.argv.slice(2));
const kMostReloads = 40;


// Whether the new build's worker is installed, waiting or active.
const kInstalled = `navigator.serviceWorker.getRegistration().then(async (r) =>
  !r.installing && (await caches.keys()).includes(${JSON.stringify(builds.caches.B)}))`;

run(async (browser) => {
  const { client } = browser;
  const loads = new Loads(client, browser.origin);
  await browser.load();
  await settledWorker(client);
  for (const file of builds.files) builds.upload(file);

  // The browser looks for a new worker after a page load, once the pages have been still for a
  // moment; the reloads below would put that off, so the old page asks at once. Its reloads go on
  // while the new worker installs, and the new page opens once it is installed.
  await evalIn(client, undefined, "navigator.serviceWorker.getRegistration().then((r) => r.update()).then(() => true)");
  const oldPageOn = async () => (await loads.all()).filter((load) => load.id.startsWith("main/")).map((load) => builds.judge(load)).at(-1);
  let beside = null;
  let reloads = 0;
  while (!beside || (await oldPageOn()) !== "B") {
    expect(reloads < kMostReloads, `the old page is not on the new build after ${reloads} reloads`);
    if (!beside && (await evalIn(client, undefined, kInstalled))) {
      // In a window of its own, so that both pages are in view and play.
      beside = await client.Target.createTarget({ url: "about:blank", newWindow: true });
      beside.sessionId = (await client.Target.attachToTarget({ targetId: beside.targetId, flatten: true })).sessionId;
      await loads.watch(beside.sessionId);
      await client.Page.navigate({ url: `${browser.origin}/` }, beside.sessionId);
    }
    await reload(browser, loads);
    ++reloads;
  }
  const { targetId, sessionId } = beside;
  await playing(client, sessionId);
  await Promise.all([askForEveryFile(client, undefined, builds.files), askForEveryFile(client, sessionId, builds.files)]);

  const seen = (await loads.all()).map((load) => [load.id.startsWith(sessionId) ? "new page" : "old page", builds.judge(load)]);
  expectEqual(seen.filter(([page]) => page === "old page")[0][1], "A", "the build of the old page's first load");
  const [[, besideBuild]] = seen.filter(([page]) => page === "new page");
  const { caches } = await settledWorker(client);
  expect(caches.includes(builds.caches[besideBuild]),
    `the cache of the new page's build ${besideBuild} is kept while it is open: ${caches}`);

  await client.Target.closeTarget({ targetId });
  await waitFor("the new page closed", async () =>
    !(await client.Target.getTargets()).targetInfos.some((target) => target.targetId === targetId));
  await loads.all();
  await leave(client);
  await browser.load();
  expectEqual((await settledWorker(client)).caches, [builds.caches.B], "the caches once the new build's worker took over");
  const before = (await browser.seen()).story;
  await browser.click("Vyjít");
  expect((await browser.seen()).story !== before, "the new build plays");
}, { site: builds.live, timeLimitMs: 180000, finish: () => builds.remove() });
