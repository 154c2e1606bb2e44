// 10,000 seeded random touches on phones, in the page's column: taps anywhere on the screen, on
// whatever lies there (a choice, a card, a label, a picture, the page around the game, the end
// screen's button), and scrolls between them, each checked at once against the story's own
// state. The phone is turned between rounds, in mid-game. The loop runs inside the page, where a
// tap is what the browser makes of one: a pointer down and up on what is under the finger, then a
// click there.
"use strict";
const { run, expect, expectEqual, pageDiffers, seededRandom } = require("./harness.cjs");

const kSeed = 20261211;
const kRounds = [[390, 844], [844, 390], [320, 568], [360, 640]];
const kEventsPerRound = 2500;

function touch(seed, events, seededRandom, pageDiffers) {
  const random = seededRandom(seed);
  const pick = (list) => list[Math.floor(random() * list.length)];
  const counts = { tap: 0, scroll: 0, onButton: 0, onCard: 0, restart: 0 };
  const shown = () => [...document.querySelectorAll("#game button, #game .card")].filter((e) => e.checkVisibility());
  for (let n = 0; n < events; ++n) {
    let what;
    const r = random();
    let x = random() * innerWidth;
    let y = random() * innerHeight;
    if (r < 0.1) {
      scrollTo(0, random() * document.documentElement.scrollHeight);
      counts.scroll++;
      what = `scroll to ${Math.round(scrollY)}`;
    } else {
      // Mostly where a player aims: a choice or a card, Konec seldom, so that games run long.
      const over = !document.getElementById("over").hidden;
      const choices = shown().filter((e) => e.dataset.name !== "Konec" || random() < 0.05);
      const aims = over ? [document.getElementById("again")] : choices.length ? choices : shown();
      if (r < 0.6 && aims.length) {
        const aim = pick(aims);
        let box = aim.getBoundingClientRect();
        if (box.top < 0 || box.bottom > innerHeight) {
          aim.scrollIntoView({ block: "center" });
          box = aim.getBoundingClientRect();
        }
        x = box.left + random() * box.width;
        y = box.top + random() * box.height;
      }
      const target = document.elementFromPoint(x, y) ?? document.documentElement;
      const at = { bubbles: true, cancelable: true, composed: true, pointerType: "touch", isPrimary: true, clientX: x, clientY: y };
      target.dispatchEvent(new PointerEvent("pointerdown", at));
      target.dispatchEvent(new PointerEvent("pointerup", at));
      target.click();
      counts.tap++;
      if (target.closest("#game button")) counts.onButton++;
      if (target.closest(".card")) counts.onCard++;
      if (target.id === "again") counts.restart++;
      what = `tap at ${Math.round(x)},${Math.round(y)} on ${target.dataset?.name || target.id || target.tagName}`;
    }
    const fault = document.getElementById("over").hidden ? pageDiffers(n, what) : null;
    if (fault) return { fault, counts };
  }
  return { fault: null, counts };
}

run(async (browser) => {
  await browser.phone(...kRounds[0]);
  await browser.load();
  let round = 0;
  for (const [width, height] of kRounds) {
    await browser.phone(width, height);
    await browser.eval("new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)))");
    // The game may be over, its column hidden behind the end screen: the column keeps its place.
    expect(await browser.eval("getComputedStyle(document.getElementById('game')).position === 'static'"), `${width}x${height}: the column`);
    const result = await browser.eval(`(${touch})(${kSeed + round++}, ${kEventsPerRound}, ${seededRandom}, ${pageDiffers})`);
    console.log(`${width}x${height}: ${JSON.stringify(result.counts)}`);
    expectEqual(result.fault, null, `${width}x${height}: the first difference between the page and the story`);
  }
});
