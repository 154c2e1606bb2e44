// A phone in the player's hands: the screen turned in mid-game, a long press for a control's
// hint, a tap where two choices share a place, and the page's order for Tab and for a screen
// reader, the same in the column as in the window.
"use strict";
const fs = require("node:fs");
const { run, expect, expectEqual } = require("./harness.cjs");

const texts = JSON.parse(fs.readFileSync(process.argv[3], "utf8"));
const tooltip = (key) => texts.tooltips.find((t) => t.key === key).text;
const description = (key) => texts.descriptions.find((t) => t.key === key).text;
const kToVisit1 = ["Vyjít", "Jít", "Pokračovat", "Choice4", "Dál", "Visit1"];
const kToTown = ["Vyjít", "Jít", "Pokračovat", "Choice4", "Dál", "Visit2", "Buy3"];

const frame = (browser) => browser.eval("new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)))");
const column = (browser) => browser.eval("getComputedStyle(document.getElementById('game')).display === 'grid'");
const hint = (browser) => browser.eval("document.getElementById('hint').hidden ? null : document.getElementById('hint').textContent");
// The story's whole state, as text that two moments compare by.
const state = (browser) => browser.eval("JSON.stringify(window.tolm.state())");

async function turnTheScreenInMidGame(browser) {
  await browser.phone(390, 844);
  await browser.load();
  for (const choice of kToTown) await browser.tap(choice);
  await browser.eval("window.kept = [...document.querySelectorAll('#game [data-control]')]; true");
  const before = { seen: await browser.seen(), state: await state(browser) };
  expect(await column(browser), "upright, the page is a column");
  for (const [width, height, inColumn] of [[844, 390, true], [1024, 768, false], [390, 844, true]]) {
    await browser.phone(width, height);
    await frame(browser);
    const where = `turned to ${width}x${height}`;
    expectEqual(await column(browser), inColumn, `${where}: the page is a column`);
    expect(await browser.eval("[...document.querySelectorAll('#game [data-control]')].every((e, i) => e === window.kept[i])"),
      `${where}: the controls were made anew`);
    expectEqual(await browser.seen(), before.seen, `${where}: what the player sees and where the focus is`);
    expectEqual(await state(browser), before.state, `${where}: the story's state`);
  }
  await browser.tap("Šlukonv");
  expect((await state(browser)) !== before.state, "the game plays on after the turns");
}

async function longPressShowsHintsAndPressesNothing(browser) {
  await browser.phone(390, 844);
  await browser.load();
  for (const choice of kToTown) await browser.tap(choice);
  const cases = [["Konec", tooltip("H01")], ["peníze", tooltip("H09")], ["Pen", tooltip("H10")], ["L", tooltip("H08")],
    ["Tally7", tooltip("H11")], ["Card3", description("D3")]];
  for (const [name, expected] of cases) {
    await browser.longPress(name);
    expectEqual(await hint(browser), expected, `the hint a long press on ${name} shows`);
    const seen = await browser.seen();
    expect(!seen.over, `a long press on ${name} ended the game`);
    await browser.tap("P");
    expectEqual(await hint(browser), null, `the hint after a tap elsewhere than ${name}`);
  }
  // A card's description stays up after its long press, like after a tap, until a tap elsewhere.
  await browser.tap("Card3");
  expectEqual((await browser.seen()).description, description("D3"), "a tap on the card shows what it is");
  await browser.tap("P");
  expectEqual((await browser.seen()).descriptionShown, false, "a tap elsewhere puts the description away");
  // A short tap is a click.
  await browser.tap("Konec");
  expect((await browser.seen()).over, "a tap on Konec ends the game");
}

async function aTapGoesWhereAClickWould(browser) {
  await browser.phone(360, 640);
  await browser.load();
  for (const choice of kToVisit1) await browser.tap(choice);
  const hit = await browser.eval(`(() => { const e = document.querySelector('#game [data-name="Zpět"]');
    e.scrollIntoView({ block: 'center' }); const r = e.getBoundingClientRect();
    return document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2).dataset.name; })()`);
  expectEqual(hit, "Vyrazit", "what lies in front at Zpět's place in the column");
  await browser.tap("Zpět");
  const seen = await browser.seen();
  expect(!seen.shown.includes("Vyrazit") && seen.shown.includes("Tally6"), "the tap took Vyrazit, the front one");
}

// Tab round all shown buttons and the page's other stops, and the accessibility tree's roles and
// names. Tab goes on from wherever the focus was, so the round is read from its first button in
// name order.
async function orders(browser) {
  await browser.eval("document.activeElement.blur()");
  const stop = async () => {
    await browser.key("Tab");
    const e = "document.activeElement";
    return browser.eval(`${e}.dataset?.name ?? ${e}.getAttribute("hreflang") ?? (${e}.id || ${e}.tagName)`);
  };
  const round = [await stop()];
  for (let s = await stop(); s !== round[0] && round.length < 40; s = await stop()) round.push(s);
  const from = round.indexOf([...round].sort()[0]);
  const tabs = [...round.slice(from), ...round.slice(0, from)];
  const { nodes } = await browser.client.Accessibility.getFullAXTree();
  // What a screen reader reads: roles and names. Line boxes follow the layout's line breaks, and
  // unnamed generic containers are read as nothing.
  const read = (n) => !n.ignored && n.role?.value !== "InlineTextBox" && !(n.role?.value === "generic" && !n.name?.value);
  const tree = nodes.filter(read).map((n) => `${n.role?.value}:${n.name?.value ?? ""}`);
  return { tabs, tree };
}

async function theSameOrdersInBothLayouts(browser) {
  await browser.resize(1280, 800);
  await browser.load();
  for (const choice of kToVisit1) await browser.click(choice);
  const window_ = await orders(browser);
  await browser.phone(390, 844);
  await frame(browser);
  expect(await column(browser), "on the phone, the page is a column");
  const column_ = await orders(browser);
  expectEqual(column_.tabs, window_.tabs, "the Tab order in the column");
  expect(window_.tabs.includes("Zpět"), "Tab reaches the covered Zpět");
  expectEqual(column_.tree, window_.tree, "the accessibility tree in the column");
}

run(async (browser) => {
  await turnTheScreenInMidGame(browser);
  await longPressShowsHintsAndPressesNothing(browser);
  await aTapGoesWhereAClickWould(browser);
  await theSameOrdersInBothLayouts(browser);
});
