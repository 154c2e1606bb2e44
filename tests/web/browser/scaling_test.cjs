// The window scales to the browser's by one factor, s = min(width / 801, height / 577), centred,
// with nothing cut off, for as long as its story text stays 14 CSS px or more (s ≥ 0.875); below
// that the page reads as one column that does not scroll sideways. Resizing moves between the two
// live.
"use strict";
const { run, expect } = require("./harness.cjs");

const kViewports = [
  [1280, 800, "window"],
  [1920, 1080, "window"],
  [801, 577, "window"],
  [701, 505, "window"],  // s = 0.875: the story at 14 px, the least the window draws
  [700, 800, "column"],  // narrower by a pixel
  [1280, 504, "column"],  // lower by a pixel
  [640, 360, "column"],
  [577, 801, "column"],
];

run(async (browser) => {
  await browser.load();
  await browser.eval("window.tolmElements = [...document.querySelectorAll('#game [data-control]')]; true");
  for (const [width, height, layout] of kViewports) {
    await browser.resize(width, height);
    await browser.eval("new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)))");
    const story = await browser.eval("document.querySelector('#game [data-name=\"P\"]').getBoundingClientRect().height");
    const column = await browser.eval("getComputedStyle(document.getElementById('game')).display === 'grid'");
    expect(column === (layout === "column"), `${width}x${height}: the page shows the ${column ? "column" : "window"}, not the ${layout}`);
    const same = await browser.eval("[...document.querySelectorAll('#game [data-control]')].every((e, i) => e === window.tolmElements[i])");
    expect(same, `${width}x${height}: the controls were made anew`);
    expect(story > 0, `${width}x${height}: the story is not shown`);
    if (layout === "column") {
      const sideways = await browser.eval("document.documentElement.scrollWidth > innerWidth");
      expect(!sideways, `${width}x${height}: the column scrolls sideways`);
      continue;
    }
    const r = await browser.eval(`(() => { const r = document.getElementById('game').getBoundingClientRect();
      return [r.left, r.top, r.width, r.height]; })()`);
    const s = Math.min(width / 801, height / 577);
    const near = (a, b) => Math.abs(a - b) < 0.5;
    expect(near(r[2], 801 * s) && near(r[3], 577 * s), `${width}x${height}: the window is ${r[2]}x${r[3]}, not scaled by ${s}`);
    expect(near(r[0], (width - r[2]) / 2) && near(r[1], (height - r[3]) / 2), `${width}x${height}: the window is not centred`);
    const outside = await browser.eval(`[...document.querySelectorAll('#game [data-control]')].filter((e) => {
        const r = e.getBoundingClientRect();
        return r.left < -0.5 || r.top < -0.5 || r.right > innerWidth + 0.5 || r.bottom > innerHeight + 0.5; })
      .map((e) => e.dataset.name)`);
    expect(outside.length === 0, `${width}x${height}: cut off: ${outside.join(", ")}`);
    const scrolls = await browser.eval("document.documentElement.scrollWidth > innerWidth || document.documentElement.scrollHeight > innerHeight");
    expect(!scrolls, `${width}x${height}: the page scrolls`);
  }
});
