// The first scene as the page alone draws it, from the one file with no other file to help, is
// pixel for pixel the scene once the module has taken it over: the page needs nothing else for
// its first paint, and nothing the player sees moves or changes when the game comes in.
"use strict";
const { run, expect } = require("./harness.cjs");

const kSettled = "document.fonts.ready.then(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))))";

async function shot(browser) {
  // The focus ring the module puts on the first choice is not the page's to draw.
  await browser.eval("document.activeElement?.blur()");
  await browser.eval(kSettled);
  return (await browser.client.Page.captureScreenshot({ format: "png" })).data;
}

run(async (browser) => {
  const { Network, Page } = browser.client;
  await Network.setBlockedURLs({ urls: ["*.js", "*.wasm", "*.png", "*.css", "*.woff2"] });
  const loaded = Page.loadEventFired();
  await Page.navigate({ url: `${browser.origin}/` });
  await loaded;
  const alone = await shot(browser);
  const unloaded = await browser.eval("[...document.fonts].filter((f) => f.status !== 'loaded').map((f) => f.family)");
  expect(unloaded.length === 0, `with no other file, these faces are not in: ${unloaded.join(", ")}`);
  // The blocked files failed on purpose.
  browser.problems.length = 0;

  await Network.setBlockedURLs({ urls: [] });
  await browser.load();
  const taken = await shot(browser);
  expect(alone === taken, "the first scene changes when the module takes it over");
});
