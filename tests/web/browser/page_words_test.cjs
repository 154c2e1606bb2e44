// The page's own words, which the build writes into index.html, are the module's in every
// language the game speaks: the end screen, the dialogs' words, the description for search
// engines and the line for a browser without JavaScript. Each language link's name begins with
// what it shows; the page wears the manifest's colour, and the manifest names the game.
"use strict";
const { run, expect, expectEqual } = require("./harness.cjs");

// What the page shows of its own words, as the reader's browser gets the page.
const kShown = `({
  overTitle: document.getElementById('over-title').textContent,
  thanks: document.getElementById('over-thanks').textContent,
  playAgain: document.getElementById('again').textContent,
  ok: document.getElementById('error-ok').textContent,
  cannotLoad: document.getElementById('error-unloaded').textContent,
  loadAgain: document.getElementById('error-reload').textContent,
  description: document.querySelector('meta[name="description"]').content,
})`;

async function wordsInEveryLanguage(browser) {
  await browser.load("");
  const { languages } = await browser.eval("window.tolm.description");
  const html = await browser.eval("fetch('/').then((r) => r.text())");
  const noScript = noScriptLines(html);
  for (const { code } of languages) {
    // Before the module: what the page's own scripts made of index.html for this reader.
    await browser.client.Network.setBlockedURLs({ urls: ["*/tolm.js"] });
    await browser.client.Page.navigate({ url: `${browser.origin}/?lang=${code}` });
    await browser.eval("new Promise((resolve) => document.readyState === 'loading' ? addEventListener('DOMContentLoaded', resolve) : resolve())");
    const written = await browser.eval(kShown);
    browser.problems.length = 0;  // the blocked script failed on purpose
    await browser.client.Network.setBlockedURLs({ urls: [] });
    await browser.load(`?lang=${code}`);
    const w = await browser.eval("window.tolm.words()");
    const module = { overTitle: w.gameOver, thanks: w.thanks, playAgain: w.playAgain, ok: w.ok, cannotLoad: w.cannotLoad,
                     loadAgain: w.loadAgain, description: w.description };
    expectEqual(written, module, `the page's words at ?lang=${code}, as written`);
    expectEqual(await browser.eval(kShown), module, `the page's words at ?lang=${code}, with the game`);
    expect(noScript.get(code) === w.noScript, `the line without JavaScript in ${code}: "${noScript.get(code)}", the module says "${w.noScript}"`);
  }
}

// The <noscript> line of each language from the page's source: the first language's bare, the
// others' in a span with their lang.
function noScriptLines(html) {
  const unescape = (s) => s.replace(/&lt;/g, "<").replace(/&gt;/g, ">").replace(/&quot;/g, '"').replace(/&amp;/g, "&");
  const inner = /<noscript><p[^>]*>([\s\S]*?)<\/p><\/noscript>/.exec(html)?.[1] ?? "";
  const lines = new Map([[/<html lang="([\w-]+)">/.exec(html)[1], unescape(inner.split("<br>")[0])]]);
  for (const [, code, text] of inner.matchAll(/<span lang="([\w-]+)">([^<]*)<\/span>/g)) lines.set(code, unescape(text));
  return lines;
}

async function linksAndColours(browser) {
  await browser.load("");
  const { nodes } = await browser.client.Accessibility.getFullAXTree();
  const links = await browser.eval("[...document.querySelectorAll('#languages a')].map((a) => a.textContent)");
  for (const shown of links) {
    const node = nodes.find((n) => n.role?.value === "link" && (n.name?.value ?? "").includes(shown));
    expect(node, `no language link whose name holds what it shows, "${shown}"`);
  }
  const manifest = await browser.eval("fetch('manifest.webmanifest').then((r) => r.json())");
  expect(typeof manifest.id === "string" && manifest.id.length > 0, "the manifest names the game with an id");
  expectEqual(await browser.eval("document.querySelector('meta[name=\"theme-color\"]').content"), manifest.theme_color,
              "the page's theme colour");
}

run(async (browser) => {
  await wordsInEveryLanguage(browser);
  await linksAndColours(browser);
});
