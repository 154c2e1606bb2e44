// After Visit1, Vyrazit covers Zpět on the same spot: a click there is Vyrazit's.
"use strict";
const { run, expect, expectEqual } = require("./harness.cjs");

run(async (browser) => {
  await browser.load();
  for (const choice of ["Vyjít", "Jít", "Pokračovat", "Choice4", "Dál", "Visit1"]) await browser.click(choice);
  const rects = await browser.eval(`["Vyrazit", "Zpět"].map((n) =>
    JSON.stringify(document.querySelector('#game [data-name="' + n + '"]').getBoundingClientRect()))`);
  expectEqual(rects[0], rects[1], "Vyrazit and Zpět take the same place");
  const before = await browser.seen();
  expect(before.shown.includes("Vyrazit") && before.shown.includes("Zpět"), "both are shown");
  const hit = await browser.eval(`(() => { const r = document.querySelector('#game [data-name="Zpět"]').getBoundingClientRect();
    return document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2).dataset.name; })()`);
  expectEqual(hit, "Vyrazit", "what lies in front at Zpět's centre");
  await browser.click("Zpět");
  const after = await browser.seen();
  const state = await browser.eval("window.tolm.state()");
  expect(!after.shown.includes("Vyrazit") && !after.shown.includes("Zpět"), "the click took Vyrazit, which hides both");
  expect(after.shown.includes("Tally6") && after.shown.includes("Picture7"), "Vyrazit's scene is shown");
  expectEqual(after.story, state.story, "the story the page shows");
});
