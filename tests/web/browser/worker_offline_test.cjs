// Once visited, the game opens with no network at all: its worker has every file, so a reload
// with the browser offline and the server gone brings up the first scene, the module that plays
// it and every picture.
"use strict";
const { run, expect, waitFor } = require("./harness.cjs");

run(async (browser) => {
  const { Network, Page } = browser.client;
  await browser.load();
  await waitFor("the worker to be active", () =>
    browser.eval("navigator.serviceWorker.getRegistration().then((r) => r?.active?.state === 'activated')"));

  await Network.emulateNetworkConditions({ offline: true, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
  browser.server.close();
  browser.server.closeAllConnections();
  const loaded = Page.loadEventFired();
  await Page.reload();
  await loaded;
  await waitFor("the first scene, offline", () => browser.eval(
    "!!document.querySelector('#game [data-name=\"P\"]') && document.fonts.status === 'loaded' && !!window.tolm"));
  expect(await browser.eval("!!navigator.serviceWorker.controller"), "the worker serves the page");
  expect(await browser.eval("typeof window.tolm.state === 'function' && !!window.tolm.state()"), "the module answers");

  const before = (await browser.seen()).story;
  await browser.click("Vyjít");
  const after = (await browser.seen()).story;
  expect(after !== before, `the story goes on after Vyjít, offline: still "${after}"`);
  await waitFor("every picture, offline", () => browser.eval(
    "[...document.querySelectorAll('#game .picture')].every((p) => p.querySelector('img')?.complete && p.querySelector('img').naturalWidth > 0)"));
});
