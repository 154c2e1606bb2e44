// axe-core checks the page against WCAG 2.0, 2.1 and 2.2 at levels A and AA on the scene after
// every choice of every ending, in the window and in the column, on a screen and on a phone.
"use strict";
const fs = require("node:fs");
const { run, expectEqual } = require("./harness.cjs");

const playthroughs = JSON.parse(fs.readFileSync(process.argv[3], "utf8"));
const axe = fs.readFileSync(require.resolve("axe-core/axe.min.js"), "utf8");
const kTags = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa"];

async function violations(browser) {
  if (!(await browser.eval("!!window.axe"))) await browser.eval(axe);
  return browser.eval(`axe.run(document, { runOnly: { type: 'tag', values: ${JSON.stringify(kTags)} } })
    .then((r) => r.violations.map((v) => v.id + ': ' + v.nodes.map((n) => n.target.join(' ')).join(', ')))`);
}

run(async (browser) => {
  let scenes = 0;
  for (const [layout, size] of [["window", () => browser.resize(1280, 800)], ["column", () => browser.phone(390, 844)]]) {
    await size();
    for (const p of playthroughs) {
      await browser.load();
      expectEqual(await violations(browser), [], `${layout}, ${p.ending}: at the start`);
      for (const [choice] of p.steps) {
        const seen = await browser.seen();
        if (!seen.shown.includes(choice)) continue;
        await browser.eval(`document.querySelector('#game [data-name="${choice}"]').click()`);
        expectEqual(await violations(browser), [], `${layout}, ${p.ending}: after ${choice}`);
        ++scenes;
      }
    }
  }
  console.log(`${scenes} scenes checked`);
});
