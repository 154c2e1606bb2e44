// Phones held sideways: at 844×390 and 740×360 the story and every choice in front are in view at
// once, along every playthrough, with no scrolling. On every phone a card's description opens in
// view, and a hint bubble shown by a long press goes when the phone turns, or stands inside the
// screen.
"use strict";
const fs = require("node:fs");
const { run, expect, expectEqual } = require("./harness.cjs");

const playthroughs = JSON.parse(fs.readFileSync(process.argv[3], "utf8"));
const kSideways = [[844, 390], [740, 360]];
const kPhones = [[320, 568], [360, 640], [390, 844], ...kSideways];
const kToTown = ["Vyjít", "Jít", "Pokračovat", "Choice4", "Dál", "Visit2", "Buy3", "Šlukonv", "Dál3"];

const kInView = (names) => `(() => {
  const box = (e) => e.getBoundingClientRect();
  return [...document.querySelectorAll(${JSON.stringify(names)})].filter((e) => e.checkVisibility()).filter((e) => {
    const r = box(e);
    // A scroll to the element leaves it on a fraction of a pixel.
    return r.top < -1 || r.left < -1 || r.bottom > innerHeight + 1 || r.right > innerWidth + 1;
  }).map((e) => e.dataset.name + ' at ' + [r => r.top, r => r.bottom].map((f) => Math.round(f(box(e)))).join('–'));
})()`;

// The story, and each choice a thumb reaches, outside the screen; a choice covered by another
// shares its place.
async function outOfView(browser) {
  return browser.eval(`(() => {
    const box = (e) => e.getBoundingClientRect();
    const inFront = (e) => { const r = box(e); return document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2)?.closest('[data-control]') === e; };
    const out = (e) => { const r = box(e); return r.top < 0 || r.left < 0 || r.bottom > innerHeight || r.right > innerWidth; };
    const story = document.querySelector('#game [data-name="P"]');
    const choices = [...document.querySelectorAll('#game button[data-control]')].filter((e) => e.checkVisibility() && inFront(e));
    return [story, ...choices].filter(out).map((e) => e.dataset.name + ' ' + Math.round(box(e).top) + '–' + Math.round(box(e).bottom));
  })()`);
}

async function storyBesideTheChoices(browser) {
  for (const [width, height] of kSideways) {
    await browser.phone(width, height);
    for (const p of playthroughs) {
      await browser.load();
      for (const [choice] of p.steps) {
        expectEqual(await outOfView(browser), [], `${width}x${height} ${p.ending}: out of view before ${choice}`);
        expectEqual(await browser.eval("scrollY"), 0, `${width}x${height} ${p.ending}: the page scrolled before ${choice}`);
        if (!(await browser.inFront(choice))) break;
        await browser.tap(choice);
      }
    }
  }
}

async function descriptionInView(browser) {
  for (const [width, height] of kPhones) {
    await browser.phone(width, height);
    await browser.load();
    for (const choice of kToTown) await browser.tap(choice);
    await browser.eval("scrollTo(0, 0)");
    await browser.tap("Card3");
    expect((await browser.seen()).descriptionShown, `${width}x${height}: the card's description shows`);
    expectEqual(await browser.eval(kInView('#game [data-name="Popis"]')), [], `${width}x${height}: the description out of view`);
  }
}

async function hintTurnsWithThePhone(browser) {
  for (const [[width, height], turned] of [[[390, 844], [844, 390]], [[844, 390], [1280, 800]]]) {
    await browser.phone(width, height);
    await browser.load();
    await browser.longPress("peníze");
    expectEqual(await browser.eval(kInView("#hint")), [], `${width}x${height}: the hint out of view`);
    expect(await browser.eval("!document.getElementById('hint').hidden"), `${width}x${height}: the hint shows`);
    await browser.phone(...turned);
    await browser.eval("new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)))");
    const r = await browser.eval(`(() => { const h = document.getElementById('hint');
      if (h.hidden) return null;
      const r = h.getBoundingClientRect();
      const c = document.querySelector('#game [data-name="peníze"]').getBoundingClientRect();
      const inside = r.left >= 0 && r.top >= 0 && r.right <= innerWidth && r.bottom <= innerHeight;
      const byItsControl = Math.abs(r.top - c.bottom) <= 12 || Math.abs(c.top - r.bottom) <= 12;
      return { inside, byItsControl }; })()`);
    expect(r === null, `turned from ${width}x${height}: the hint stays up, ${r?.inside ? "" : "outside the screen, "}` +
                       `${r?.byItsControl ? "by its control" : "away from its control"}`);
  }
}

run(async (browser) => {
  await storyBesideTheChoices(browser);
  await descriptionInView(browser);
  await hintTurnsWithThePhone(browser);
});
