// A runtime error shows the desktop's Czech message in a modal dialog, and the game ends.
"use strict";
const { run, expect, expectEqual, waitFor } = require("./harness.cjs");

run(async (browser) => {
  await browser.load();
  await browser.eval("window.tolm.failNextOperation()");
  await browser.click("Vyjít");
  const seen = await browser.seen();
  expectEqual(seen.error, "Chyba 438 za běhu programu:\nOvládací prvek tuto vlastnost nepodporuje", "the dialog's message");
  expect(await browser.eval("document.getElementById('error').matches(':modal')"), "the dialog is modal");
  expectEqual(await browser.eval("window.tolm.state().ended"), true, "the story has ended");
  await browser.click("#error-ok");
  await waitFor("the end screen after the dialog", async () => {
    const after = await browser.seen();
    return after.error === null && after.over;
  });
});
