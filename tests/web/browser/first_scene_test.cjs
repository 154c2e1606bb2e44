// The first scene as the page alone draws it, from the one file with no other file to help, is
// the scene once the module has taken it over and the whole faces have come in beside the page's
// cuts of them: every line of text in the same place to the pixel's fraction, and the pictures
// the same but for the edges that a browser smooths a little otherwise at some sizes. The page
// needs nothing else for its first paint, and nothing the player sees moves or changes when the
// game and its fonts come in.
"use strict";
const { run, expect, expectEqual, waitFor } = require("./harness.cjs");

const kSettled = "document.fonts.ready.then(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))))";

// Smoothing differs by less than this in a channel; a letter drawn in another face, more.
const kSmoothing = 128;
// At most this share of the screen's pixels differs by more: a few at the edges of letters.
const kStrayAtMost = 0.005;

// The screen, and where each line of visible text lies.
async function shot(browser) {
  // The focus ring the module puts on the first choice is not the page's to draw.
  await browser.eval("document.activeElement?.blur()");
  await browser.eval(kSettled);
  const lines = await browser.eval(`(() => {
    const walker = document.createTreeWalker(document.getElementById("game"), NodeFilter.SHOW_TEXT);
    const lines = [];
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
      const range = document.createRange();
      range.selectNodeContents(node);
      for (const r of range.getClientRects()) lines.push([node.textContent.slice(0, 12), r.x, r.y, r.width, r.height]);
    }
    return lines;
  })()`);
  return { lines, picture: (await browser.client.Page.captureScreenshot({ format: "png" })).data };
}

// The letters of the visible scene that no cut in the page draws in the face the scene asks for.
// The machine may have the game's faces installed, and would draw such a letter alike without
// the cut, so the cuts' ranges are read, not the screen.
const kUncut = `(() => {
  const ranges = [...document.getElementById("first-fonts").sheet.cssRules].map((rule) => ({
    face: rule.style.getPropertyValue("font-weight") + " " + rule.style.getPropertyValue("font-family").replace(/"/g, ""),
    range: rule.style.getPropertyValue("unicode-range").split(",").map((r) => parseInt(r.trim().slice(2), 16)),
  }));
  const uncut = [];
  const walker = document.createTreeWalker(document.getElementById("game"), NodeFilter.SHOW_TEXT);
  for (let node = walker.nextNode(); node; node = walker.nextNode()) {
    if (!node.parentElement.checkVisibility()) continue;
    const style = getComputedStyle(node.parentElement);
    const face = style.fontWeight + " " + style.fontFamily.split(",")[0].replace(/"/g, "").trim();
    const cut = ranges.find((r) => r.face === face);
    for (const letter of node.textContent.replace(/[\\n\\r\\t]/g, "")) {
      if (!cut?.range.includes(letter.codePointAt(0))) uncut.push(face + ": " + letter);
    }
  }
  return [...new Set(uncut)];
})()`;

// The share of pixels that differ by more than smoothing does, as the browser decodes the two.
function strayPixels(browser, a, b) {
  return browser.eval(`(async () => {
    const pixels = async (png) => {
      const bytes = Uint8Array.from(atob(png), (c) => c.charCodeAt(0));
      const bitmap = await createImageBitmap(new Blob([bytes], { type: "image/png" }));
      const canvas = new OffscreenCanvas(bitmap.width, bitmap.height).getContext("2d");
      canvas.drawImage(bitmap, 0, 0);
      return canvas.getImageData(0, 0, bitmap.width, bitmap.height).data;
    };
    const [a, b] = await Promise.all([pixels("${a}"), pixels("${b}")]);
    if (a.length !== b.length) return 1;
    let stray = 0;
    for (let i = 0; i < a.length; i += 4) {
      if (Math.max(Math.abs(a[i] - b[i]), Math.abs(a[i + 1] - b[i + 1]), Math.abs(a[i + 2] - b[i + 2])) >= ${kSmoothing}) ++stray;
    }
    return stray / (a.length / 4);
  })()`);
}

// The window on a monitor, and the reading column on a phone in both languages: each draws its
// letters at its own sizes.
const kCases = [
  { what: "the window", query: "", view: (browser) => browser.resize(1280, 800) },
  { what: "the phone's column", query: "", view: (browser) => browser.phone(390, 844) },
  { what: "the phone's column in English", query: "?lang=en", view: (browser) => browser.phone(390, 844) },
];

run(async (browser) => {
  const { Network, Page } = browser.client;
  for (const { what, query, view } of kCases) {
    await view(browser);
    await Network.setBlockedURLs({ urls: ["*.js", "*.wasm", "*.png", "*.css", "*.woff2"] });
    const loaded = Page.loadEventFired();
    await Page.navigate({ url: `${browser.origin}/${query}` });
    await loaded;
    // Without its script the page says so in its dialog, which stands over the scene: the
    // scene alone is what is held against the scene taken over.
    await waitFor("the dialog of a page without its script", () => browser.eval("document.getElementById('error').open"));
    await browser.eval("document.getElementById('error').remove()");
    const alone = await shot(browser);
    expectEqual(await browser.eval(kUncut), [], `${what}: letters the page's cuts of its faces lack`);
    // The blocked files failed on purpose.
    browser.problems.length = 0;

    await Network.setBlockedURLs({ urls: [] });
    await browser.load(query);
    await waitFor("the whole faces in", () => browser.eval("[...document.fonts].every((face) => face.status === 'loaded')"));
    const taken = await shot(browser);
    // A letter missing from the page's cut of its face would be drawn in another face, alone.
    expectEqual(alone.lines, taken.lines, `${what}: the lines of text, alone and taken over`);
    const stray = await strayPixels(browser, alone.picture, taken.picture);
    expect(stray <= kStrayAtMost, `${what}: ${(stray * 100).toFixed(2)} % of the screen differs once the game has taken it over`);
  }
});
