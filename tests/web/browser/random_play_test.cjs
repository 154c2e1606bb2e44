// 10,000 seeded random events in the page — clicks on shown buttons, pointer moves over cards,
// over other controls and over the bare window, keys — each checked at once against the story's
// own state: every control shown or hidden as the story holds it, the three texts the same, the
// focus on a shown button. The loop runs inside the page, so it takes seconds.
"use strict";
const { run, expectEqual } = require("./harness.cjs");

const kSeed = 20240611;
const kEvents = 10000;

function play(seed, events) {
  // mulberry32: small, and the same sequence in every browser.
  let s = seed >>> 0;
  const random = () => {
    s = (s + 0x6d2b79f5) >>> 0;
    let t = s;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  const pick = (list) => list[Math.floor(random() * list.length)];
  const game = document.getElementById("game");
  // A new game builds new controls: they are looked up afresh each time.
  const shown = () => [...game.querySelectorAll("[data-control]")].filter((e) => e.checkVisibility());
  const counts = { click: 0, move: 0, key: 0, restart: 0 };
  const check = (n, what) => {
    const [bits, purse, status, story, money, description] = window.tolm.state().split("\n");
    const all = [...document.querySelectorAll("#game [data-control]")];
    for (const e of all) {
      if (e.hidden !== (bits[Number(e.dataset.control)] === "0"))
        return `event ${n} (${what}): ${e.dataset.name} is ${e.hidden ? "hidden" : "shown"} on the page`;
    }
    const text = (name) => game.querySelector(`[data-name="${name}"]`).textContent;
    if (text("P") !== story || text("peníze") !== money || text("Popis") !== description)
      return `event ${n} (${what}): the texts differ from the story's`;
    if (String(Number(money)) !== money || Number(money) !== Number(purse))
      return `event ${n} (${what}): the purse shows ${money} and holds ${purse}`;
    const focused = document.activeElement;
    if (status === "playing" && focused !== document.body && game.contains(focused) && focused.hidden)
      return `event ${n} (${what}): the focus is on the hidden ${focused.dataset.name}`;
    return null;
  };
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
    const fault = check(n, what);
    if (fault) return { fault, counts };
  }
  return { fault: null, counts };
}

run(async (browser) => {
  await browser.load();
  const result = await browser.eval(`(${play.toString()})(${kSeed}, ${kEvents})`);
  console.log(`seed ${kSeed}: ${JSON.stringify(result.counts)}`);
  expectEqual(result.fault, null, "the first difference between the page and the story");
});
