// The page on phones, as Chromium emulates them (touch, three device pixels to a CSS pixel),
// upright and sideways: it reads as one column with the story at 16 CSS px or more, choices a
// thumb can hit, no sideways scrolling, and the purse and Konec always in view. Every ending is
// played by taps; covered choices, which no tap reaches, by Tab and Enter.
"use strict";
const fs = require("node:fs");
const { run, expect, expectEqual } = require("./harness.cjs");

const playthroughs = JSON.parse(fs.readFileSync(process.argv[3], "utf8"));
const kPhones = [[320, 568], [360, 640], [390, 844], [844, 390]];
const kTouchTarget = 44;
const kStoryPixels = 16;
const kLabelPixels = 14;

// What a player's eye checks on a phone after every tap.
async function measure(browser) {
  return browser.eval(`(() => {
    const game = document.getElementById('game');
    const box = (e) => e.getBoundingClientRect();
    const px = (e) => parseFloat(getComputedStyle(e).fontSize);
    const shown = [...game.querySelectorAll('[data-control]')].filter((e) => e.checkVisibility());
    const inView = (e) => { const r = box(e); return r.top >= 0 && r.bottom <= innerHeight && r.left >= 0 && r.right <= innerWidth; };
    return {
      column: getComputedStyle(game).display === 'grid',
      sideways: document.documentElement.scrollWidth - innerWidth,
      story: px(game.querySelector('[data-name="P"]')),
      smallButtons: shown.filter((e) => e.tagName === 'BUTTON' && (box(e).width < ${kTouchTarget} || box(e).height < ${kTouchTarget}))
        .map((e) => e.dataset.name + ' ' + Math.round(box(e).width) + 'x' + Math.round(box(e).height)),
      smallLabels: shown.filter((e) => e.tagName === 'P' && e.textContent && px(e) < ${kLabelPixels}).map((e) => e.dataset.name),
      barInView: ['Pen', 'peníze', 'Konec'].every((n) => inView(game.querySelector('[data-name="' + n + '"]'))),
    };
  })()`);
}

async function expectReadable(browser, where) {
  const m = await measure(browser);
  expect(m.column, `${where}: the page is not in its column`);
  expect(m.sideways <= 0, `${where}: the page scrolls sideways by ${m.sideways} px`);
  expect(m.story >= kStoryPixels, `${where}: the story is drawn at ${m.story} px`);
  expectEqual(m.smallButtons, [], `${where}: buttons smaller than ${kTouchTarget}×${kTouchTarget}`);
  expectEqual(m.smallLabels, [], `${where}: labels below ${kLabelPixels} px`);
  expect(m.barInView, `${where}: the purse or Konec is out of view`);
}

run(async (browser) => {
  for (const [width, height] of kPhones) {
    await browser.phone(width, height);
    let byKeys = 0;
    for (const p of playthroughs) {
      await browser.load();
      const where = `${width}x${height} ${p.ending}`;
      await expectReadable(browser, `${where}, at the start`);
      for (const [choice, purse] of p.steps) {
        if (await browser.inFront(choice)) {
          await browser.tap(choice);
        } else {
          await browser.tabTo(choice);
          await browser.key("Enter");
          ++byKeys;
        }
        expectEqual((await browser.seen()).purse, purse, `${where}: the purse after ${choice}`);
        // At the bottom of the column, the purse and Konec are still in view.
        await browser.eval("scrollTo(0, document.documentElement.scrollHeight)");
        await expectReadable(browser, `${where}, after ${choice}`);
      }
      const seen = await browser.seen();
      expectEqual(seen.story, (await browser.eval("window.tolm.state().story")), `${where}: the story`);
      expectEqual(seen.story, p.story, `${where}: the last story`);
      expectEqual((await browser.buttonsShown()).sort(), [...p.buttonsLeft].sort(), `${where}: the buttons left`);
    }
    console.log(`${width}x${height}: ${playthroughs.length} endings by taps; ${byKeys} covered choices by Tab and Enter`);
  }
});
