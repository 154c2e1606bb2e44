// The page in the reader's language: English at ?lang=en, or for a browser whose first language
// is English when the address names none, Czech otherwise, from the first paint on. The switch,
// in the window's corner and in the reading layout's bar, changes the language in mid-game and
// keeps the game's state; the address alone keeps the choice.
//   node language_test.cjs SITE TEXTS_JSON TEXTS_EN_JSON
"use strict";
const fs = require("node:fs");
const { run, expect, expectEqual, waitFor } = require("./harness.cjs");

const [czech, english] = process.argv.slice(3, 5).map((file) => JSON.parse(fs.readFileSync(file, "utf8")));
const kStory = (texts) => Object.fromEntries([...texts.story, ...texts.descriptions].map(({ key, text }) => [text, key]));
const kByKey = (texts) => Object.fromEntries([...texts.story, ...texts.descriptions].map(({ key, text }) => [key, text]));
const kIntoTown = ["Vyjít", "Jít", "Pokračovat", "Choice4", "Dál", "Visit2", "Buy3"];
const kToTheEnd = ["Šlukonv", "Dál3", "Dát", "Dál4", "Choice1"];

async function browserSpeaks(browser, languages) {
  const { userAgent } = await browser.client.Browser.getVersion();
  await browser.client.Emulation.setUserAgentOverride({ userAgent, acceptLanguage: languages });
}

// What the page shows in words, and what the story holds.
function words(browser) {
  return browser.eval(`(() => {
    // A control the first scene does not show is made only once the game has come.
    const text = (name) => document.querySelector('#game [data-name="' + name + '"]')?.textContent ?? null;
    const link = (code) => document.querySelector('#languages a[hreflang="' + code + '"]');
    return {
      lang: document.documentElement.lang, title: document.title, address: location.search,
      story: text('P'), description: text('Popis'), going: text('Vyjít'), money: text('Pen'),
      current: [...document.querySelectorAll('#languages a[aria-current]')].map((a) => a.getAttribute('hreflang')),
      switchName: document.getElementById('languages').getAttribute('aria-label'),
      names: [link('cs').getAttribute('aria-label'), link('en').getAttribute('aria-label')],
      state: window.tolm?.state(),
      stored: localStorage.length + sessionStorage.length + document.cookie.length,
    };
  })()`);
}

// The first scene, before the game's script or the module has come, in the language asked for.
async function firstPaints(browser) {
  const { Network, Page } = browser.client;
  await Network.setBlockedURLs({ urls: ["*.js", "*.wasm", "*.png"] });
  const cases = [
    ["", "cs", "cs"], ["?lang=en", "cs", "en"], ["?lang=EN-gb", "cs", "en"], ["", "en-GB,cs", "en"],
    // xx: a code no language has.
    ["?lang=cs", "en-US,en", "cs"], ["?lang=xx", "en-US", "cs"], ["?lang=", "en-US", "cs"], ["", "xx-XX,en", "cs"],
  ];
  for (const [query, languages, expected] of cases) {
    await browserSpeaks(browser, languages);
    const loaded = Page.loadEventFired();
    await Page.navigate({ url: `${browser.origin}/${query}` });
    await loaded;
    const seen = await words(browser);
    const texts = expected === "en" ? english : czech;
    const what = `${query || "no address"} in a browser speaking ${languages}`;
    expectEqual([seen.lang, seen.story, seen.current], [expected, kByKey(texts).T00, [expected]], `${what}: the first paint`);
  }
  await Network.setBlockedURLs({ urls: [] });
  // The blocked files failed on purpose.
  browser.problems.length = 0;
  await browserSpeaks(browser, "cs");
}

// The English first scene the page draws alone is pixel for pixel the one the module takes over.
async function paintsEnglishAsTheGameDoes(browser) {
  const shot = async () => {
    await browser.eval("document.activeElement?.blur()");
    await browser.eval("document.fonts.ready.then(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))))");
    return (await browser.client.Page.captureScreenshot({ format: "png" })).data;
  };
  const { Network, Page } = browser.client;
  await Network.setBlockedURLs({ urls: ["*.js", "*.wasm", "*.png"] });
  const loaded = Page.loadEventFired();
  await Page.navigate({ url: `${browser.origin}/?lang=en` });
  await loaded;
  // Without its script the page opens its dialog over the scene; the scene is what is compared.
  await waitFor("the dialog of a page without its script", () => browser.eval("document.getElementById('error').open"));
  await browser.eval("document.getElementById('error').remove()");
  const alone = await shot();
  await Network.setBlockedURLs({ urls: [] });
  browser.problems.length = 0;
  await browser.load("?lang=en");
  expect(alone === (await shot()), "the English first scene changes when the module takes it over");
}

// What the story has played to, apart from its words, which a switch of language changes.
const played = ({ shown, purse, ended }) => ({ shown, purse, ended });

// The pointer on the switch is on the window's bare surface, which puts a card's description away;
// the click on the link then changes nothing but the words.
async function clickLanguage(browser, code) {
  const { x, y } = await browser.centre(`#languages a[hreflang="${code}"]`);
  await browser.mouseTo(x, y);
  const before = played((await words(browser)).state);
  await browser.clickAt(x, y);
  expectEqual(played((await words(browser)).state), before, `the story's state after switching to ${code}`);
}

// Switching keeps the story's state and words everything anew; the address records the choice.
async function switchesInMidGame(browser) {
  await browser.load();
  for (const choice of kIntoTown) await browser.click(choice);
  const card = await browser.centre("Card3");
  await browser.mouseTo(card.x, card.y);
  const before = await words(browser);
  expectEqual([kStory(czech)[before.story], kStory(czech)[before.description]], ["T27", "D3"], "the story before the switch");
  const shownBefore = (await browser.seen()).shown;

  // From the keyboard, with the card's description up.
  await browser.eval(`document.querySelector('#languages a[hreflang="en"]').focus()`);
  await browser.key("Enter");
  const after = await words(browser);
  expectEqual(played(after.state), played(before.state), "the story's state after the switch");
  expectEqual((await browser.seen()).shown, shownBefore, "the controls shown after the switch");
  expectEqual([after.lang, after.address, after.current, after.switchName], ["en", "?lang=en", ["en"], "Language"],
              "the page after the switch");
  expectEqual([after.story, after.description, after.money], [kByKey(english).T27, kByKey(english).D3, "Money:"],
              "the words after the switch");
  expectEqual(after.names, ["CS Čeština", "EN English"], "each language named in its own words, after what its link shows");
  const description = JSON.parse(await browser.eval("JSON.stringify(window.tolm.description)"));
  const captions = await browser.eval(`[...document.querySelectorAll('#game button')].map((b) => b.textContent)`);
  expect(captions.includes("Blue") && captions.includes("Go to Šluknov") && !captions.includes("Modrou"),
         `the buttons are worded in English: ${captions.join(", ")}`);
  expect(description.language === "cs", "the description the tests hold is the page's first");

  for (const choice of kToTheEnd) await browser.click(choice);
  const ending = await words(browser);
  expectEqual([ending.story, ending.state.purse], [kByKey(english).T30, 4992], "the game played on in English");

  await clickLanguage(browser, "cs");
  const back = await words(browser);
  expectEqual([back.lang, back.address, back.story], ["cs", "?lang=cs", kByKey(czech).T30], "back in Czech");

  // The address brings the language back.
  await clickLanguage(browser, "en");
  await browser.load((await words(browser)).address);
  const reloaded = await words(browser);
  expectEqual([reloaded.lang, reloaded.story], ["en", kByKey(english).T00], "a new page at the address");
  expectEqual(reloaded.stored, 0, "what the page stored besides the address");

  // The end screen and a runtime error speak the language too.
  await browser.eval("window.tolm.failNextOperation()");
  await browser.click("Vyjít");
  const seen = await browser.seen();
  expectEqual(seen.error, "Run-time error 438:\nThe control does not support this property", "the error dialog");
  expectEqual(await browser.eval("document.getElementById('error-ok').textContent"), "OK", "its button");
  await browser.click("#error-ok");
  expectEqual(await browser.eval("[...document.querySelectorAll('#over h1, #over p, #over button')].map((e) => e.textContent)"),
              ["Game over.", "Thanks for playing.", "Play again"], "the end screen");
}

// The switch stands clear of every control: in the window's corner, and in the reading layout's
// bar beside the purse and Quit, still in view when the column has scrolled.
async function standsOutsideTheScene(browser) {
  const boxes = `(() => {
    const box = (e) => { const r = e.getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom]; };
    return { languages: [...document.querySelectorAll('#languages a')].map(box),
             controls: [...document.querySelectorAll('#game [data-control]')].filter((e) => e.checkVisibility() && !e.matches('.frame, .shape'))
               .map((e) => [e.dataset.name, box(e)]),
             view: [innerWidth, innerHeight], scrolled: scrollY };
  })()`;
  const overlaps = (a, b) => a[0] < b[2] && b[0] < a[2] && a[1] < b[3] && b[1] < a[3];
  const sizes = [[1280, 800, false], [801, 577, false], [1920, 1080, false], [360, 640, true], [320, 568, true], [390, 844, true]];
  for (const [width, height, phone] of sizes) {
    if (phone) await browser.phone(width, height);
    else await browser.resize(width, height);
    for (const query of ["", "?lang=en"]) {
      await browser.load(query);
      for (const path of [[], ["Vyjít", "Jít", "Pokračovat", "Choice4", "Dál", "Visit3"]]) {
        for (const choice of path) await (phone ? browser.tap(choice) : browser.click(choice));
        if (phone) await browser.eval("scrollTo(0, document.body.scrollHeight)");
        const seen = await browser.eval(boxes);
        const where = `${width}x${height}${query} after ${path.length} choices`;
        for (const link of seen.languages) {
          expect(link[0] >= 0 && link[1] >= 0 && link[2] <= seen.view[0] && link[3] <= seen.view[1], `${where}: a link lies outside the screen`);
          for (const [name, box] of seen.controls)
            expect(!overlaps(link, box) || (phone && !["Pen", "peníze", "Konec"].includes(name) && seen.scrolled > 0),
                   `${where}: the switch lies over ${name}`);
          expect(Math.min(link[2] - link[0], link[3] - link[1]) >= (phone ? 24 : 20), `${where}: a link is ${link} px`);
        }
      }
    }
  }
}

run(async (browser) => {
  await firstPaints(browser);
  await paintsEnglishAsTheGameDoes(browser);
  await switchesInMidGame(browser);
  await standsOutsideTheScene(browser);
});
