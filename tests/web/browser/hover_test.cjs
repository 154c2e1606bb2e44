// The pointer over a card shows its description; over pictures, buttons and the frame it stays;
// over the bare window it goes. On a touch screen a tap on the card shows it.
//   node hover_test.cjs SITE TEXTS_JSON
"use strict";
const fs = require("node:fs");
const { run, expect, expectEqual } = require("./harness.cjs");

async function descriptionOf(browser) {
  const seen = await browser.seen();
  return seen.descriptionShown ? seen.description : null;
}

async function bareSpot(browser) {
  // Between the story label and the picture: no control lies there.
  const r = await browser.eval(`(() => { const p = document.querySelector('#game [data-name="P"]').getBoundingClientRect();
    return [p.right + 5, p.top + 5]; })()`);
  const hit = await browser.eval(`document.elementFromPoint(${r[0]}, ${r[1]}).id`);
  expectEqual(hit, "game", "the spot beside the story is the bare window");
  return { x: r[0], y: r[1] };
}

run(async (browser) => {
  await browser.load();
  const bare = await bareSpot(browser);
  await browser.mouseTo(bare.x, bare.y);
  expectEqual(await descriptionOf(browser), null, "before any card, no description");
  for (const c of ["Vyjít", "Jít", "Pokračovat", "Choice4", "Dál", "Visit2", "Buy1"]) await browser.click(c);
  // Card1's description from the game's content, so that a page showing the wrong text fails.
  const { descriptions } = JSON.parse(fs.readFileSync(process.argv[3], "utf8"));
  const d1 = descriptions.find(({ key }) => key === "D1").text;
  const card = await browser.centre("Card1");
  await browser.mouseTo(card.x, card.y);
  expectEqual(await descriptionOf(browser), d1, "over Card1");
  for (const elsewhere of ["Popis", "Picture5", "Rumburk", "Pen", "#game [data-name=\"Frame1\"] .frame-caption"]) {
    const at = await browser.centre(elsewhere);
    await browser.mouseTo(at.x, at.y);
    expectEqual(await descriptionOf(browser), d1, `the description stays over ${elsewhere}`);
  }
  // The tally's outline takes no pointer: inside it is the bare window.
  const inside = await browser.eval(`(() => { const r = document.querySelector('#game [data-name="Shape1"]').getBoundingClientRect();
    return [r.left + r.width - 10, r.bottom - 10]; })()`);
  await browser.mouseTo(inside[0], inside[1]);
  expectEqual(await descriptionOf(browser), null, "inside the tally's outline the description goes");
  expectEqual((await browser.seen()).description, "", "and its text with it");
  await browser.mouseTo(card.x, card.y);
  expectEqual(await descriptionOf(browser), d1, "back over Card1");
  await browser.mouseTo(bare.x, bare.y);
  expectEqual(await descriptionOf(browser), null, "over the bare window");

  // A finger: no hover, a tap.
  await browser.resize(browser.width, browser.height, true);
  await browser.tap("Card1");
  expectEqual(await descriptionOf(browser), d1, "a tap on Card1");
  expect((await browser.seen()).story.length > 0, "the tap chose nothing");
});
