// Every story text fits the story label, every description the description label, and every
// caption its control, in the page's own fonts and at every scale from 0.5 to 4, as a player
// sees them on anything from a phone to a large screen.
//   node text_fit_test.cjs SITE TEXTS_JSON
"use strict";
const fs = require("node:fs");
const { run, expect } = require("./harness.cjs");

// Shows every control, then reports each text that needs more room than its control has.
const kOverflows = `((texts) => {
  const controls = [...document.querySelectorAll('#game [data-control]')];
  for (const c of controls) c.hidden = false;
  const overflows = (e) => e.scrollHeight > e.clientHeight || e.scrollWidth > e.clientWidth;
  const found = [];
  for (const c of controls)
    if (c.matches('.label, .button') && overflows(c)) found.push(c.dataset.name + ': ' + c.textContent);
  for (const [name, list] of [['P', texts.story], ['Popis', texts.descriptions]]) {
    const label = document.querySelector('#game [data-name="' + name + '"]');
    for (const { key, text } of list) {
      label.textContent = text;
      if (overflows(label)) found.push(name + ': ' + key);
    }
  }
  return found;
})`;

run(async (browser) => {
  const texts = JSON.parse(fs.readFileSync(process.argv[3], "utf8"));
  await browser.load();
  for (let quarter = 2; quarter <= 16; ++quarter) {
    const s = quarter / 4;
    const [width, height] = [Math.ceil(801 * s), Math.ceil(577 * s)];
    await browser.resize(width, height);
    await browser.eval("new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)))");
    const found = await browser.eval(`${kOverflows}(${JSON.stringify(texts)})`);
    expect(found.length === 0, `at ${s} (${width}x${height}) these need more room: ${found.join("; ")}`);
  }
});
