// What has the focus can be seen, in the window and in the column: Tab through every scene with a
// covered choice draws the focused choice in front of its place, and a click there takes it;
// after every choice by mouse the stacking is the window's. A click where no button is keeps the
// focus on its choice, a press that leaves the focus where it is leaves it on no covered choice, a
// held key on Konec shows the end screen and stays there, and with forced colours the buttons, the
// cards' captions and the focus can still be seen.
"use strict";
const fs = require("node:fs");
const { run, expect, expectEqual } = require("./harness.cjs");

const playthroughs = JSON.parse(fs.readFileSync(process.argv[3], "utf8"));
const kLayouts = [["window", 1280, 800], ["column", 600, 800]];

// The story's whole state, as text that two moments compare by.
const state = (browser) => browser.eval("JSON.stringify(window.tolm.state())");

// The shown buttons, each with what lies in front at its centre and the button that window order
// puts in front of its place.
async function places(browser) {
  return browser.eval(`(() => {
    const d = window.tolm.description.controls;
    const shown = [...document.querySelectorAll('#game button')].filter((e) => e.checkVisibility());
    const place = (e) => d[e.dataset.control].rect.slice(0, 2).join(',');
    return shown.map((e) => {
      let r = e.getBoundingClientRect();
      if (r.top < 0 || r.bottom > innerHeight) { e.scrollIntoView({ block: 'center' }); r = e.getBoundingClientRect(); }
      const hit = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2)?.closest('[data-control]');
      const first = shown.filter((o) => place(o) === place(e)).sort((a, b) => a.dataset.control - b.dataset.control)[0];
      return { name: e.dataset.name, hit: hit?.dataset.name ?? null, front: first.dataset.name,
               clip: { x: r.left + scrollX, y: r.top + scrollY, width: r.width, height: r.height, scale: 1 } };
    });
  })()`);
}

async function crop(browser, clip) {
  return (await browser.client.Page.captureScreenshot({ format: "png", clip })).data;
}

// A choice as a player takes it: by a click where it is in front, else by Tab and Enter.
async function take(browser, choice) {
  const place = (await places(browser)).find((x) => x.name === choice);
  if (place && place.hit === choice) {
    await browser.click(choice);
  } else {
    await browser.tabTo(choice);
    await browser.key("Enter");
  }
}

async function replay(browser, path) {
  await browser.load();
  for (const c of path) await take(browser, c);
}

async function coveredChoicesAreDrawnWhenFocused(browser, layout) {
  const taken = new Set();
  let drawn = 0;
  for (const p of playthroughs) {
    const path = [];
    await browser.load();
    // After a click, and at the start, the focus is on a choice in front: the window's stacking.
    for (const [choice] of p.steps) {
      const here = await places(browser);
      for (const b of here) expectEqual(b.hit, b.front, `${layout}, ${p.ending} after ${path.join(" ")}: in front at ${b.name}'s place`);
      for (const b of here.filter((b) => b.hit !== b.name)) {
        await browser.tabTo("Konec");
        const behind = await crop(browser, b.clip);
        await browser.tabTo(b.name);
        const shownNow = (await places(browser)).find((x) => x.name === b.name);
        expectEqual(shownNow.hit, b.name, `${layout}: ${b.name} with the focus is in front of its place`);
        expect((await crop(browser, b.clip)) !== behind, `${layout}: ${b.name} with the focus is drawn at its place`);
        ++drawn;
        if (taken.has(b.name)) continue;
        taken.add(b.name);
        // A click at its place takes it, as Enter would, and not the choice usually in front.
        await browser.key("Enter");
        const byKey = await state(browser);
        await replay(browser, path);
        await browser.tabTo(b.name);
        await browser.click(b.name);
        expectEqual(await state(browser), byKey, `${layout}: a click on ${b.name} drawn in front`);
        await replay(browser, path);
        await browser.click(b.front);
        expect((await state(browser)) !== byKey, `${layout}: ${b.front} and ${b.name} do the same`);
        await replay(browser, path);
      }
      await browser.tabTo("Konec");
      await take(browser, choice);
      path.push(choice);
    }
  }
  expect(taken.size >= 2, `${layout}: only ${[...taken]} were covered anywhere`);
  console.log(`${layout}: ${drawn} covered choices drawn with the focus; clicked: ${[...taken].join(", ")}`);
}

async function aClickWhereNoButtonIsKeepsTheFocus(browser, layout) {
  await browser.load();
  await browser.click("Vyjít");  // the corridor: Domovník's picture, the focus on Zabít
  const focused = (await browser.seen()).focused;
  const bare = await browser.eval(`(() => { const g = document.getElementById('game').getBoundingClientRect();
    const f = document.querySelector('#game [data-name="Frame1"]').getBoundingClientRect();
    return { game: [g.right - 3, g.bottom - 3], frame: [f.left + f.width / 2, f.bottom - 8], page: [3, 3] }; })()`);
  const where = [["the story", "P"], ["the purse", "peníze"], ["the purse's caption", "Pen"], ["a picture", "Domovník"],
    ["the deeds' heading", "L"], ["the frame", bare.frame], ["the bare window", bare.game], ["the page around", bare.page]];
  for (const [what, at] of where) {
    if (typeof at === "string") await browser.click(at);
    else await browser.clickAt(at[0], at[1]);
    expectEqual((await browser.seen()).focused, focused, `${layout}: the focus after a click on ${what}`);
  }
  const before = (await browser.seen()).story;
  await browser.key("Enter");
  expect((await browser.seen()).story !== before, `${layout}: Enter still takes ${focused}`);
}

// A screen reader's or a script's press clicks a button without moving the focus. Played so into
// the town, the focus must not stay on Chi, chi!, which the town's buttons cover: there it would be
// drawn in front, and a click at Vyrazit's place would take Chi, chi!.
async function aPressThatLeavesTheFocusLeavesNoCoveredChoiceInFront(browser) {
  const pressAll = async (names) => {
    for (const name of names) await browser.eval(`document.querySelector('#game [data-name="${name}"]').click()`);
  };
  const kIntoTown = ["Vyjít", "Jít", "Pokračovat", "Choice3", "Dál", "Visit1"];
  await browser.load();
  await pressAll([...kIntoTown, "Vyrazit"]);
  const vyrazit = (await browser.seen()).story;
  await browser.load();
  await pressAll(kIntoTown);
  const focused = (await browser.seen()).focused;
  const covered = (await places(browser)).filter((b) => b.front !== b.name).map((b) => b.name);
  expect(!covered.includes(focused), `in the town the focus stays on ${focused}, which lies behind another`);
  await browser.click("Vyrazit");
  expectEqual((await browser.seen()).story, vyrazit, "a click at Vyrazit's place");
}

async function press(browser, type, key, code, extra = {}) {
  const text = type === "keyDown" && key === "Enter" ? "\r" : type === "keyDown" && key === " " ? " " : undefined;
  const keyCode = key === "Enter" ? 13 : 32;
  await browser.client.Input.dispatchKeyEvent({ type, key, code, text, windowsVirtualKeyCode: keyCode, ...extra });
}

async function aHeldKeyOnKonecStaysOnTheEndScreen(browser) {
  for (const [key, code, location] of [["Enter", "Enter", 0], ["Enter", "NumpadEnter", 3], [" ", "Space", 0]]) {
    await browser.load();
    await browser.tabTo("Konec");
    await press(browser, "keyDown", key, code, { location });
    for (let i = 0; i < 8; ++i) await press(browser, "keyDown", key, code, { location, autoRepeat: true });
    await press(browser, "keyUp", key, code, { location });
    const seen = await browser.seen();
    expect(seen.over, `a held ${code} on Konec: the end screen is shown`);
    expectEqual(seen.focused, "again", `a held ${code} on Konec: the focus`);
    await press(browser, "keyDown", key, code, { location });
    await press(browser, "keyUp", key, code, { location });
    expect(!(await browser.seen()).over, `a new press of ${code} starts a new game`);
  }
}

async function forcedColoursStayPlayable(browser) {
  await browser.client.Emulation.setEmulatedMedia({ features: [{ name: "forced-colors", value: "active" }] });
  await browser.load();
  expect(await browser.eval("matchMedia('(forced-colors: active)').matches"), "forced colours are on");
  for (const c of ["Vyjít", "Jít", "Pokračovat", "Choice4", "Dál", "Visit2", "Buy3"]) await browser.click(c);
  await browser.tabTo("Šlukonv");
  const looks = await browser.eval(`(() => {
    const style = (n) => getComputedStyle(document.querySelector('#game [data-name="' + n + '"]'));
    const button = style('Šlukonv'), card = style('Card3');
    return { border: button.borderTopStyle + ' ' + button.borderTopWidth, outline: button.outlineStyle + ' ' + button.outlineWidth,
             face: button.backgroundColor,
             caption: card.color, back: card.backgroundColor };
  })()`);
  expect(!looks.border.startsWith("none"), `forced colours: the buttons have no edge (${looks.border})`);
  expect(looks.outline.startsWith("solid") && parseFloat(looks.outline.split(" ")[1]) >= 2, `forced colours: the focus ring is ${looks.outline}`);
  expect(looks.caption !== looks.back, `forced colours: the card's caption is ${looks.caption} on ${looks.back}`);
  expect(!/rgba\(.*, 0\)$|transparent/.test(looks.face), `forced colours: a button's face is ${looks.face}, and the covered ones show through`);
  await browser.key("Enter");
  expect((await browser.seen()).story.includes("Šluknov"), "forced colours: the game plays on");
  await browser.client.Emulation.setEmulatedMedia({ features: [] });
}

run(async (browser) => {
  for (const [layout, width, height] of kLayouts) {
    await browser.resize(width, height);
    await coveredChoicesAreDrawnWhenFocused(browser, layout);
    await aClickWhereNoButtonIsKeepsTheFocus(browser, layout);
  }
  await browser.resize(1280, 800);
  await aPressThatLeavesTheFocusLeavesNoCoveredChoiceInFront(browser);
  await aHeldKeyOnKonecStaysOnTheEndScreen(browser);
  await forcedColoursStayPlayable(browser);
});
