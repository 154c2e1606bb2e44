// Konec ends the game: the page says so in Czech and offers a new game, which starts from the
// beginning with the focus on the first choice.
"use strict";
const { run, expect, expectEqual } = require("./harness.cjs");

run(async (browser) => {
  await browser.load();
  const start = await browser.seen();
  for (const c of ["Vyjít", "Jít"]) await browser.click(c);
  await browser.click("Konec");
  const over = await browser.seen();
  expect(over.over, "the end screen is shown");
  expectEqual(over.focused, "again", "the focus is on the new game button");
  expectEqual(await browser.eval("document.getElementById('over-title').textContent"), "Hra skončila.", "what the page says");
  expectEqual(await browser.eval("window.tolm.state().ended"), true, "the story has ended");
  await browser.click("#again");
  const again = await browser.seen();
  expect(!again.over, "a new game is on");
  expectEqual(again, start, "the new game is the game at its start");
});
