// The window scales to the browser's by one factor, s = min(width / 801, height / 577), centred,
// with nothing cut off: on a phone held sideways, a laptop and a large screen.
"use strict";
const { run, expect } = require("./harness.cjs");

const kViewports = [[640, 360], [1280, 800], [1920, 1080], [801, 577], [577, 801]];

run(async (browser) => {
  await browser.load();
  for (const [width, height] of kViewports) {
    await browser.resize(width, height);
    await browser.eval("new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)))");
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
