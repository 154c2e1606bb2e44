// The Visit3 loop from the keyboard alone: Tab, Shift+Tab and the arrows walk the focus, Space
// and Enter choose. Zpět lies under Vyrazit, so only the focus reaches it, and with it the loop;
// each pass adds 400 to the purse. A choice that hides the focused button hands the focus on.
"use strict";
const { run, expect, expectEqual } = require("./harness.cjs");

const kToTown = ["Vyjít", "Jít", "Pokračovat", "Choice4", "Dál"];  // by keys from the start
const kLoop = ["Visit3", "Dál2", "Visit1", "Zpět"];
const kPasses = 3;
const kWalks = [["Tab", false], ["Tab", true], ["ArrowDown", false], ["ArrowUp", false]];

async function focusOn(browser, name, [key, shift]) {
  for (let i = 0; i < 80; ++i) {
    if ((await browser.seen()).focused === name) return;
    await browser.key(key, { shift });
  }
  throw new Error(`${shift ? "Shift+" : ""}${key} never brought the focus to ${name}`);
}

run(async (browser) => {
  await browser.load();
  expectEqual((await browser.seen()).focused, "Vyjít", "the focus at the start");
  // Enter right away takes the first choice; the focus goes on to the next choice in tab
  // order, Zabít, not to Konec.
  await browser.key("Enter");
  expectEqual((await browser.seen()).focused, "Zabít", "the focus after Vyjít");
  for (const [n, choice] of kToTown.slice(1).entries()) {
    await focusOn(browser, choice, kWalks[n % kWalks.length]);
    await browser.key("Enter");
  }
  expectEqual((await browser.seen()).purse, "10000", "the purse in town");
  let purse = 10000;
  const stories = [];
  for (let pass = 0; pass < kPasses; ++pass) {
    for (const [step, choice] of kLoop.entries()) {
      await focusOn(browser, choice, kWalks[(pass + step) % kWalks.length]);
      await browser.key(step % 2 === 0 ? " " : "Enter");
      const seen = await browser.seen();
      if (choice === "Visit3") purse += 400;
      expectEqual(seen.purse, String(purse), `pass ${pass + 1}, ${choice}: the purse`);
      expect(!seen.shown.includes(choice), `pass ${pass + 1}: ${choice} was not chosen`);
      expect(seen.focused && seen.focused !== "Konec" && seen.shown.includes(seen.focused),
             `pass ${pass + 1}, after ${choice}: the focus is on ${seen.focused}, not on a shown choice`);
      stories.push(seen.story);
    }
  }
  expectEqual(new Set(stories).size, kLoop.length, "each step of the loop tells its own story");
  await focusOn(browser, "Konec", ["Tab", false]);
  await browser.key(" ");
  expect((await browser.seen()).over, "Konec from the keyboard ends the game");
});
