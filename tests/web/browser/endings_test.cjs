// Every ending of the story played by real mouse clicks, with the purse checked after each choice,
// from the same playthroughs the desktop's tests play. A few of their choices lie under another
// shown button, where no click reaches them; a player takes those as the keyboard allows: Tab
// to the button, then Enter.
"use strict";
const fs = require("node:fs");
const { run, expect, expectEqual } = require("./harness.cjs");

const playthroughs = JSON.parse(fs.readFileSync(process.argv[3], "utf8"));

run(async (browser) => {
  let byKeys = 0;
  for (const p of playthroughs) {
    await browser.load();
    for (const [choice, purse] of p.steps) {
      const seen = await browser.seen();
      expect(seen.shown.includes(choice), `${p.ending}: ${choice} is not shown among ${seen.shown}`);
      if (await browser.inFront(choice)) {
        await browser.click(choice);
      } else {
        await browser.tabTo(choice);
        await browser.key("Enter");
        ++byKeys;
      }
      expectEqual((await browser.seen()).purse, purse, `${p.ending}: the purse after ${choice}`);
    }
    const seen = await browser.seen();
    expectEqual(seen.story, p.story, `${p.ending}: the last story`);
    expectEqual((await browser.buttonsShown()).sort(), [...p.buttonsLeft].sort(), `${p.ending}: the buttons left`);
    // The last choice hid the focused button; with no choice left, the focus goes to Konec.
    if (p.buttonsLeft.length === 1) expectEqual(seen.focused, "Konec", `${p.ending}: the focus at the end`);
    expectEqual(windowStateMatches(seen, await browser.eval("window.tolm.state()")), true, `${p.ending}: the page shows the story's state`);
  }
  console.log(`${playthroughs.length} playthroughs; ${byKeys} covered choices taken by Tab and Enter`);
});

// The story's own state and the page agree on the three texts.
function windowStateMatches(seen, { story, money, description }) {
  return seen.story === story && seen.purse === money && seen.description === description;
}
