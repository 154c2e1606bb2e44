// The page installs as an app, on a phone and on a desktop: Chromium finds nothing against it, the
// manifest names the game in Czech and opens the site on its own in the page's colours, its icons
// are the sizes it says, and the maskable one keeps the house where no launcher's cut reaches.
"use strict";
const { run, expect, expectEqual } = require("./harness.cjs");

const kScreens = [
  { what: "a phone", width: 390, height: 844, deviceScaleFactor: 3, mobile: true },
  { what: "a desktop", width: 1280, height: 800, deviceScaleFactor: 1, mobile: false },
];

// A launcher may cut a maskable icon to any shape that keeps the central circle of four fifths of
// its width. Outside that circle there must be only the background, and it must be opaque.
const kMaskableProbe = (src) => `(async () => {
  const image = await createImageBitmap(await (await fetch(${JSON.stringify(src)})).blob());
  const { width, height } = image;
  const canvas = new OffscreenCanvas(width, height);
  const context = canvas.getContext('2d');
  context.drawImage(image, 0, 0);
  const pixels = context.getImageData(0, 0, width, height).data;
  const at = (x, y) => pixels.slice(4 * (y * width + x), 4 * (y * width + x) + 4).join();
  const background = at(0, 0);
  let clear = 0, outside = 0, inside = 0;
  for (let y = 0; y < height; ++y) {
    for (let x = 0; x < width; ++x) {
      if (pixels[4 * (y * width + x) + 3] !== 255) ++clear;
      const far = Math.hypot(x + 0.5 - width / 2, y + 0.5 - height / 2) > 0.4 * width;
      if (at(x, y) !== background) far ? ++outside : ++inside;
    }
  }
  return { clear, outside, inside };
})()`;

run(async (browser) => {
  const { Page, Emulation } = browser.client;
  for (const { what, ...screen } of kScreens) {
    await Emulation.setDeviceMetricsOverride(screen);
    await browser.load();
    const { installabilityErrors } = await Page.getInstallabilityErrors();
    expectEqual(installabilityErrors, [], `what keeps the page from installing on ${what}`);
  }

  const { url, errors, data } = await Page.getAppManifest();
  expectEqual(errors, [], "the manifest's errors");
  const manifest = JSON.parse(data);
  const colours = await browser.eval(`(() => { const root = getComputedStyle(document.documentElement);
    return { workspace: root.getPropertyValue('--workspace').trim(), face: root.getPropertyValue('--face').trim() }; })()`);
  const site = `${browser.origin}/`;
  expectEqual({
    name: manifest.name, short_name: manifest.short_name, lang: manifest.lang, display: manifest.display,
    start_url: new URL(manifest.start_url, url).href, scope: new URL(manifest.scope, url).href,
    background_color: manifest.background_color, theme_color: manifest.theme_color,
  }, {
    name: "Tolm", short_name: "Tolm", lang: "cs", display: "standalone", start_url: site, scope: site,
    background_color: colours.workspace, theme_color: colours.face,
  }, "the manifest");
  expect(/[ěščřžýáíéůú]/.test(manifest.description ?? ""), `the description is in Czech: ${manifest.description}`);

  const purposes = manifest.icons.map((icon) => icon.purpose);
  expect(purposes.includes("any") && purposes.includes("maskable"), `icons for any use and a maskable one: ${purposes}`);
  for (const icon of manifest.icons) {
    const src = new URL(icon.src, url).href;
    const size = await browser.eval(`(async () => { const i = new Image(); i.src = ${JSON.stringify(src)};
      await i.decode(); return i.naturalWidth + 'x' + i.naturalHeight; })()`);
    expectEqual(size, icon.sizes, `the size of ${icon.src}`);
    expectEqual(icon.type, "image/png", `the type of ${icon.src}`);
    if (icon.purpose !== "maskable") continue;
    const { clear, outside, inside } = await browser.eval(kMaskableProbe(src));
    expect(clear === 0, `${icon.src} fills its square: ${clear} pixels are not opaque`);
    expect(outside === 0, `${icon.src} keeps the house inside the safe circle: ${outside} pixels of it are outside`);
    expect(inside > 0, `${icon.src} shows the house`);
  }
});
