// The page before its game is ready, and when its game cannot come. While the module is held back
// on the network, the first scene takes taps, keys, a lost focus and a hidden tab without an
// error, and the choice taken then is taken once the module arrives, once: the game stands where
// one Vyjít leads. A page whose script does not arrive opens its own dialog in its language, with
// the module's words, offers to load again, and still throws at nothing the player does.
"use strict";
const { run, expect, expectEqual, waitFor } = require("./harness.cjs");

// What a page's game says once Vyjít has been taken once, and its own words, from a page that
// loads whole.
async function reference(browser, query) {
  await browser.load(query);
  const words = await browser.eval("window.tolm.words()");
  await browser.click("Vyjít");
  return { words, afterVyjit: await browser.eval("window.tolm.state()") };
}

// The things a player may do to a scene that looks ready: a tap, Enter, Space and an arrow on the
// focused choice, a click, a pointer over the story, and the tab losing its focus and being hidden.
async function everythingAtOnce(browser) {
  await browser.tap("Vyjít");
  await browser.eval("document.querySelector('#game [data-name=\"Vyjít\"]').focus()");
  await browser.key("Enter");
  await browser.key(" ");
  await browser.key("ArrowDown");
  await browser.click("Vyjít");
  await browser.eval("dispatchEvent(new FocusEvent('blur')); document.dispatchEvent(new Event('visibilitychange'))");
  const { x, y } = await browser.centre("P");
  await browser.mouseTo(x, y);
}

// The module held back, with the things a player may do meanwhile, and then let come: the game
// stands where one Vyjít leads. `page` may change index.html on its way.
async function heldModule(browser, what, afterVyjit, page = (html) => html) {
  const { Fetch, Page } = browser.client;
  const held = [];
  const stopListening = Fetch.requestPaused(async ({ requestId, responseHeaders }) => {
    if (!responseHeaders) {
      held.push(requestId);
      return;
    }
    const { body, base64Encoded } = await Fetch.getResponseBody({ requestId });
    const html = page(Buffer.from(body, base64Encoded ? "base64" : "utf8").toString("utf8"));
    await Fetch.fulfillRequest({ requestId, responseCode: 200, body: Buffer.from(html).toString("base64"),
                                 responseHeaders: [{ name: "Content-Type", value: "text/html; charset=utf-8" }] });
  });
  await Fetch.enable({ patterns: [{ urlPattern: "*/tolm.wasm*", requestStage: "Request" },
                                  { urlPattern: `${browser.origin}/`, requestStage: "Response" }] });
  await Page.navigate({ url: `${browser.origin}/` });
  await waitFor(`${what}: the module held back`, () => held.length === 1);
  await waitFor(`${what}: the first scene`, () => browser.eval("!!document.querySelector('#game [data-name=\"Vyjít\"]')"));
  expect(!(await browser.eval("!!window.tolm")), `${what}: the game was ready although its module was held back`);
  await everythingAtOnce(browser);
  expectEqual(browser.problems, [], `${what}: what the page reported while its module was held back`);
  await Fetch.continueRequest({ requestId: held.shift() });
  await Fetch.disable();
  stopListening();
  await waitFor(`${what}: the game ready`, () => browser.eval("!!window.tolm"));
  // The choice is taken as the game starts, in the same turn, once.
  expectEqual(await browser.eval("window.tolm.state()"), afterVyjit, `${what}: the game after the choices taken while it loaded`);
}

// The module held back as the page preloads it, and, in a browser that preloads nothing, as the
// game's script fetches it.
async function heldModules(browser) {
  const { afterVyjit } = await reference(browser, "");
  // Each load a first visit's, with nothing from the worker or the cache the one before left.
  await browser.client.Network.setBypassServiceWorker({ bypass: true });
  await browser.client.Network.setCacheDisabled({ cacheDisabled: true });
  await heldModule(browser, "preloaded", afterVyjit);
  await heldModule(browser, "not preloaded", afterVyjit, (html) => {
    const preload = /<link rel="preload" href="tolm.wasm"[^>]*>/;
    expect(preload.test(html), "index.html preloads tolm.wasm");
    return html.replace(preload, "");
  });
  await browser.client.Network.setBypassServiceWorker({ bypass: false });
  await browser.client.Network.setCacheDisabled({ cacheDisabled: false });
}

// Without its script, in Czech and in English, and without its module.
async function noScript(browser) {
  await browser.client.Network.setBypassServiceWorker({ bypass: true });
  for (const [query, missing] of [["", "tolm.js"], ["?lang=en", "tolm.js"], ["", "tolm.wasm"]]) {
    const { words } = await reference(browser, query);
    await browser.client.Network.setBlockedURLs({ urls: [`*/${missing}`] });
    await browser.client.Page.navigate({ url: `${browser.origin}/${query}` });
    await waitFor("the error dialog", () => browser.eval("document.getElementById('error')?.open"));
    const dialog = await browser.eval(`({
      message: document.getElementById('error-message').textContent,
      button: [...document.querySelectorAll('#error button')].filter((b) => b.checkVisibility()).map((b) => b.textContent),
      modal: document.getElementById('error').matches(':modal'),
    })`);
    expectEqual(dialog, { message: words.cannotLoad, button: [words.loadAgain], modal: true }, `the dialog at /${query} without ${missing}`);
    // The blocked script failed on purpose.
    browser.problems.length = 0;
    await browser.client.Network.setBlockedURLs({ urls: [] });
    await browser.key("Enter");
    await waitFor("the game once loaded again", () => browser.eval("!!window.tolm && !document.getElementById('error')?.open"));
    expectEqual(await browser.eval("document.documentElement.lang"), query ? "en" : "cs", "the language loaded again");
  }
  // The dialog stays up against Escape, and the scene behind it takes nothing, throwing at nothing.
  await browser.client.Network.setBlockedURLs({ urls: ["*/tolm.js"] });
  await browser.client.Page.navigate({ url: `${browser.origin}/` });
  await waitFor("the error dialog", () => browser.eval("document.getElementById('error')?.open"));
  browser.problems.length = 0;
  await browser.client.Input.dispatchKeyEvent({ type: "rawKeyDown", key: "Escape", code: "Escape", windowsVirtualKeyCode: 27 });
  await browser.client.Input.dispatchKeyEvent({ type: "keyUp", key: "Escape", code: "Escape", windowsVirtualKeyCode: 27 });
  await new Promise((resolve) => setTimeout(resolve, 100));
  expect(await browser.eval("document.getElementById('error').open"), "the dialog of a page without its game is up after Escape");
  await browser.eval("dispatchEvent(new FocusEvent('blur')); document.dispatchEvent(new Event('visibilitychange'))");
  await browser.client.Network.setBlockedURLs({ urls: [] });
}

run(async (browser) => {
  await heldModules(browser);
  await noScript(browser);
}, { touch: true });
