// Screenshots of the web edition in headless Chromium: a large screen, a laptop and a small window
// with the window's layout, and phones upright and sideways (touch, three device pixels to a CSS
// pixel) with the page's column: the first scene, a town scene with a card's description, the end;
// then a covered choice with the focus and forced colours, in the window and in the column; and
// the same first scene, town and end in English, on a laptop and on phones upright and sideways.
//   node web_shots.cjs SITE OUT_DIR
"use strict";
const path = require("node:path");
const { Browser } = require("../../tests/web/browser/harness.cjs");

const kScreens = [[1920, 1080], [1280, 800], [640, 360]];
const kPhones = [[390, 844], [360, 640], [320, 568], [844, 390], [740, 360]];
const kTown = ["Vyjít", "Jít", "Pokračovat", "Choice4", "Dál", "Visit2", "Buy3", "Šlukonv", "Dál3"];

async function shoot(browser, out, size, phone, query = "") {
  await browser.load(query);
  await browser.screenshot(path.join(out, `${size}-first-scene.png`));
  for (const choice of kTown) await (phone ? browser.tap(choice) : browser.click(choice));
  if (phone) {
    await browser.tap("Card3");
  } else {
    const card = await browser.centre("Card3");
    await browser.mouseTo(card.x, card.y);
  }
  await browser.eval("Promise.all([...document.querySelectorAll('#game img')].map((i) => i.decode().catch(() => null)))");
  await browser.screenshot(path.join(out, `${size}-town-card.png`));
  await browser.eval("scrollTo(0, 0)");
  await browser.screenshot(path.join(out, `${size}-town-top.png`));
  await (phone ? browser.tap("Konec") : browser.click("Konec"));
  await browser.screenshot(path.join(out, `${size}-over.png`));
  console.log(path.join(out, `${size}-*.png`));
}

// The square with the focus on Zabít, covered by Jít do kostela until the focus comes to it, and
// the town with forced colours, as with a high-contrast theme.
async function shootFocus(browser, out, size) {
  await browser.load();
  for (const choice of ["Vyjít", "Jít", "Pokračovat"]) await browser.click(choice);
  for (let i = 0; i < 40 && (await browser.seen()).focused !== "Usmrtit"; ++i) await browser.key("Tab");
  await browser.screenshot(path.join(out, `${size}-covered-focus.png`));
  await browser.client.Emulation.setEmulatedMedia({ features: [{ name: "forced-colors", value: "active" }] });
  await browser.load();
  for (const choice of kTown) await browser.click(choice);
  await browser.key("Tab");
  await browser.eval("Promise.all([...document.querySelectorAll('#game img')].map((i) => i.decode().catch(() => null)))");
  await browser.screenshot(path.join(out, `${size}-forced-colours.png`));
  await browser.client.Emulation.setEmulatedMedia({ features: [] });
}

(async () => {
  const [site, out] = process.argv.slice(2);
  const browser = await Browser.open(site);
  try {
    for (const [width, height] of kScreens) {
      await browser.resize(width, height);
      await shoot(browser, out, `${width}x${height}`, false);
    }
    for (const [width, height] of [[1280, 800], [600, 800]]) {
      await browser.resize(width, height);
      await shootFocus(browser, out, `${width}x${height}`);
    }
    for (const [width, height] of kPhones) {
      await browser.phone(width, height);
      await shoot(browser, out, `phone-${width}x${height}`, true);
    }
    await browser.resize(1280, 800);
    await shoot(browser, out, "en-1280x800", false, "?lang=en");
    for (const [width, height] of [[390, 844], [320, 568], [844, 390]]) {
      await browser.phone(width, height);
      await shoot(browser, out, `en-phone-${width}x${height}`, true, "?lang=en");
    }
  } finally {
    await browser.close();
  }
  process.exit();
})();
