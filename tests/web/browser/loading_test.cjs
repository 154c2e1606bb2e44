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

// The things a player may do to a scene that looks ready: a tap, Enter on the focused choice, a
// click, and the tab losing its focus and being hidden.
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

async function heldModule(browser) {
  const { afterVyjit } = await reference(browser, "");
  const { Fetch, Page } = browser.client;
  const held = [];
  Fetch.requestPaused(({ requestId }) => held.push(requestId));
  await Fetch.enable({ patterns: [{ urlPattern: "*/tolm.wasm*", requestStage: "Request" }] });
  await Page.navigate({ url: `${browser.origin}/` });
  await waitFor("the module held back", () => held.length > 0);
  await waitFor("the first scene", () => browser.eval("!!document.querySelector('#game [data-name=\"Vyjít\"]')"));
  expect(!(await browser.eval("!!window.tolm")), "the game was ready although its module was held back");
  await everythingAtOnce(browser);
  expectEqual(browser.problems, [], "what the page reported while its module was held back");
  for (const requestId of held.splice(0)) await Fetch.continueRequest({ requestId });
  await Fetch.disable();
  await waitFor("the game ready", () => browser.eval("!!window.tolm"));
  // The choice is taken as the game starts, in the same turn.
  expectEqual(await browser.eval("window.tolm.state()"), afterVyjit, "the game after the choices taken while it loaded");
}

// Without its script, in Czech and in English.
async function noScript(browser) {
  for (const query of ["", "?lang=en"]) {
    const { words } = await reference(browser, query);
    await browser.client.Network.setBlockedURLs({ urls: ["*/tolm.js"] });
    await browser.client.Page.navigate({ url: `${browser.origin}/${query}` });
    await waitFor("the error dialog", () => browser.eval("document.getElementById('error')?.open"));
    const dialog = await browser.eval(`({
      message: document.getElementById('error-message').textContent,
      button: [...document.querySelectorAll('#error button')].filter((b) => b.checkVisibility()).map((b) => b.textContent),
      modal: document.getElementById('error').matches(':modal'),
    })`);
    expectEqual(dialog, { message: words.cannotLoad, button: [words.loadAgain], modal: true }, `the dialog at /${query}`);
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
  await heldModule(browser);
  await noScript(browser);
}, { touch: true });
