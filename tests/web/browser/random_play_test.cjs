// 10,000 seeded random events in the page — clicks on shown buttons, pointer moves over cards,
// over other controls and over the bare window, keys — each checked at once against the story's
// own state: every control shown or hidden as the story holds it, the three texts the same, the
// focus on a shown button. The loop runs inside the page, so it takes seconds.
"use strict";
const { run, expectEqual, pageDiffers, seededRandom } = require("./harness.cjs");

const kSeed = 20240611;
const kEvents = 10000;

function play(seed, events, seededRandom, pageDiffers) {
  const random = seededRandom(seed);
  const pick = (list) => list[Math.floor(random() * list.length)];
  const game = document.getElementById("game");
  // What is shown changes with every event: it is looked up each time.
  const shown = () => [...game.querySelectorAll("[data-control]")].filter((e) => e.checkVisibility());
  const counts = { click: 0, move: 0, key: 0, restart: 0 };
  for (let n = 0; n < events; ++n) {
    if (!document.getElementById("over").hidden) {
      document.getElementById("again").click();
      counts.restart++;
      continue;
    }
    const r = random();
    let what;
    if (r < 0.6) {
      const buttons = shown().filter((e) => e.tagName === "BUTTON");
      // Konec ends the game: rarely, so that games run long.
      const b = pick(buttons.length > 1 && random() < 0.9 ? buttons.filter((e) => e.dataset.name !== "Konec") : buttons);
      b.click();
      counts.click++;
      what = `click ${b.dataset.name}`;
    } else if (r < 0.9) {
      const target = random() < 0.3 ? game : pick(shown());
      target.dispatchEvent(new PointerEvent("pointermove", { bubbles: true, pointerType: "mouse" }));
      counts.move++;
      what = `move over ${target.dataset.name ?? "the window"}`;
    } else {
      const b = shown().filter((e) => e.tagName === "BUTTON");
      const from = b.includes(document.activeElement) ? document.activeElement : pick(b);
      from.focus();
      const key = pick(["ArrowDown", "ArrowUp", "ArrowLeft", "ArrowRight"]);
      from.dispatchEvent(new KeyboardEvent("keydown", { key, bubbles: true }));
      counts.key++;
      what = `${key} from ${from.dataset.name}`;
    }
    const fault = pageDiffers(n, what);
    if (fault) return { fault, counts };
  }
  return { fault: null, counts };
}

run(async (browser) => {
  await browser.load();
  const result = await browser.eval(`(${play})(${kSeed}, ${kEvents}, ${seededRandom}, ${pageDiffers})`);
  console.log(`seed ${kSeed}: ${JSON.stringify(result.counts)}`);
  expectEqual(result.fault, null, "the first difference between the page and the story");
});
