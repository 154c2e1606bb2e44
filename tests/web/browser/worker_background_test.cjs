// Pages opened in the background load their module only once shown, which may be after a new build
// has come in through another page. Each keeps to one build, by the bytes of every file it
// received: a page the old build's worker loaded is served the old build while it is open; a page
// opened before there was a worker, shown once the old build is gone, loads again, whole, from the
// new one.
//   node worker_background_test.cjs SITE WRITE_SERVICE_WORKER_MJS SERVICE_WORKER_JS
"use strict";
const { expect, expectEqual, run, waitFor } = require("./harness.cjs");
const { Builds, Loads, askForEveryFile, evalIn, leave, playing, settledWorker } = require("./builds.cjs");

const builds = new Builds(...process.argv.slice(2));
const kMostReloads = 20;

// A page in a background tab, its files watched from its first request on.
async function openInBackground(browser, loads) {
  const { client } = browser;
  const { targetId } = await client.Target.createTarget({ url: "about:blank", background: true });
  const { sessionId } = await client.Target.attachToTarget({ targetId, flatten: true });
  await loads.watch(sessionId);
  await client.Page.navigate({ url: `${browser.origin}/` }, sessionId);
  await waitFor("the page in the background", () => evalIn(client, sessionId,
    "document.readyState === 'complete' && document.visibilityState === 'hidden'"));
  return { targetId, sessionId };
}

async function show(client, page, loads) {
  await client.Target.activateTarget({ targetId: page.targetId });
  await playing(client, page.sessionId);
  await askForEveryFile(client, page.sessionId, builds.files);
  return (await loads.all()).filter((load) => load.id.startsWith(`${page.sessionId}/`)).map((load) => builds.judge(load));
}

run(async (browser) => {
  const { client } = browser;
  const loads = new Loads(client, browser.origin);
  const beforeTheWorker = await openInBackground(browser, loads);
  await browser.load();
  await settledWorker(client);
  const underTheWorker = await openInBackground(browser, loads);
  expect(await evalIn(client, underTheWorker.sessionId, "!!navigator.serviceWorker.controller && !window.tolm"),
    "the page opened under the worker waits in the background for its module");

  // The new build takes over from the page in front.
  for (const file of builds.files) builds.upload(file);
  await evalIn(client, undefined, "navigator.serviceWorker.getRegistration().then((r) => r.update()).then(() => true)");
  const inFront = async () => builds.judge((await loads.all()).filter((load) => load.id.startsWith("main/")).at(-1));
  for (let reloads = 0; (await inFront()) !== "B"; ++reloads) {
    expect(reloads < kMostReloads, `the page in front is not on the new build after ${reloads} reloads`);
    const loaded = client.Page.loadEventFired();
    await client.Page.reload();
    await loaded;
    await playing(client);
  }

  const [{ targetId: inFrontId }] = (await client.Target.getTargets()).targetInfos.filter((target) => target.type === "page"
    && ![beforeTheWorker.targetId, underTheWorker.targetId].includes(target.targetId));
  expectEqual(await show(client, underTheWorker, loads), ["A"], "the builds of the page opened under the old worker");
  // Back to the page in front, so that closing this one does not show the other; then the page in
  // front is left, and the new build's worker takes over.
  await client.Target.activateTarget({ targetId: inFrontId });
  await client.Target.closeTarget({ targetId: underTheWorker.targetId });
  await loads.all();
  await leave(client);
  await waitFor("the old build's cache gone, its last page closed", async () => JSON.stringify(await evalIn(client,
    beforeTheWorker.sessionId, "caches.keys().then((names) => names.filter((n) => n.startsWith('tolm-')))")) === JSON.stringify([builds.caches.B]));
  expectEqual(await show(client, beforeTheWorker, loads), ["A", "B"], "the builds of the page opened before the worker");
}, { site: builds.live, timeLimitMs: 180000, finish: () => builds.remove() });
