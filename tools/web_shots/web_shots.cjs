// Screenshots of the web edition in headless Chromium at a large screen, a laptop and a phone
// held sideways: the first scene, a scene with a picture and a card's description, the end.
//   node web_shots.cjs SITE OUT_DIR
"use strict";
const path = require("node:path");
const { Browser } = require("../../tests/web/browser/harness.cjs");

const kViewports = [[1920, 1080], [1280, 800], [640, 360]];
const kTown = ["Vyjít", "Jít", "Pokračovat", "Choice4", "Dál", "Visit2", "Buy3", "Šlukonv", "Dál3"];

(async () => {
  const [site, out] = process.argv.slice(2);
  const browser = await Browser.open(site);
  try {
    for (const [width, height] of kViewports) {
      const size = `${width}x${height}`;
      await browser.resize(width, height);
      await browser.load();
      await browser.screenshot(path.join(out, `${size}-first-scene.png`));
      for (const choice of kTown) await browser.click(choice);
      const card = await browser.centre("Card3");
      await browser.mouseTo(card.x, card.y);
      await browser.eval("Promise.all([...document.querySelectorAll('#game img')].map((i) => i.decode().catch(() => null)))");
      await browser.screenshot(path.join(out, `${size}-town-card.png`));
      await browser.click("Konec");
      await browser.screenshot(path.join(out, `${size}-over.png`));
      console.log(path.join(out, `${size}-*.png`));
    }
  } finally {
    await browser.close();
  }
  process.exit();
})();
