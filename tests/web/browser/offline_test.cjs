// Everything comes from the site itself, under a policy that allows nothing else (the first
// scene's cuts of the fonts are written into the page, so fonts may come from there and from the
// site, nowhere else); once the first scene is up the game plays on without a network, pictures
// and whole faces included.
"use strict";
const { run, expect, waitFor } = require("./harness.cjs");

run(async (browser) => {
  await browser.load();
  const policy = await browser.eval(
    "document.querySelector('meta[http-equiv=\"Content-Security-Policy\"]').content");
  const fontSource = /font-src ([^;]*)/.exec(policy)?.[1];
  expect(/default-src 'self'/.test(policy) && fontSource === "'self' data:" &&
    !/unsafe-inline|unsafe-eval'|\*|https?:|data:/.test(policy.replace("'wasm-unsafe-eval'", "").replace("font-src 'self' data:", "")),
    `the policy allows only the site: ${policy}`);
  await waitFor("every picture loaded", () => browser.eval(
    `[...document.querySelectorAll('#game .picture')].every((p) => {
      const i = p.querySelector('img');
      return i && i.complete && i.naturalWidth === 757;
    })`));
  await browser.client.Network.emulateNetworkConditions({ offline: true, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
  for (const c of ["Vyjít", "Jít", "Pokračovat", "Choice4", "Dál", "Visit2", "Buy3"]) await browser.click(c);
  const shown = await browser.eval(`[...document.querySelectorAll('#game .picture')].filter((e) => e.checkVisibility())
    .map((e) => [e.dataset.name, e.querySelector('img').complete && e.querySelector('img').naturalWidth > 0])`);
  expect(shown.length > 0 && shown.every(([, ok]) => ok), `offline, the pictures still show: ${JSON.stringify(shown)}`);
  expect(browser.requests.some((u) => u.endsWith("/favicon.ico")), "the browser asked for the icon");
});
