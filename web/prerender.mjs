// Writes the first scene into the page at build time: the module and the page's own script run
// here on a small stand-in for the browser's document, and the controls they build, in their
// state once the story has started, go into index.html, with their placing and fonts in the
// page's style sheet. index.html carries the style sheet inline, and beside it each web font cut
// down to the letters the first scene draws in it, so that the first paint waits for no other
// file; the whole faces, from fonts/, draw only the letters the cuts lack, so that no letter the
// first paint drew is drawn again. The policy admits the sheets and the page's inline scripts by
// their hashes. The browser then paints the story before the module has loaded; the script takes
// the elements over once it has. The scene in every other language the game speaks, as the
// page's language switch words it, goes into a template that the page's inline script swaps in
// before the first paint when the reader asks for that language, with the page's own words in
// that language; the page's own words in its first language go into their elements. The sheets
// and scripts inside the page are minified: every byte of them comes before the first paint.
// The stand-in knows only the calls the page's script makes; any other stops the build with its
// name, and so does a page that has not started within the time limit.
//   node prerender.mjs SITE_DIR SOURCE_INDEX_HTML SOURCE_PAGE_CSS FONT_DIR PYTHON MAKE_FONTS_PY ESBUILD
import { execFileSync } from "node:child_process";
import crypto from "node:crypto";
import fs from "node:fs";
import path from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";

const kTimeLimitMs = 20000;

function fail(message) {
  console.error(`prerender: ${message}`);
  process.exit(1);
}

const escapeText = (s) => s.replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;");
const escapeAttribute = (s) => escapeText(s).replace(/"/g, "&quot;");
const kebab = (name) => name.replace(/[A-Z]/g, (c) => `-${c.toLowerCase()}`);

// ---- The stand-in document ----

// Reading a property the stand-in lacks names it, instead of handing the script an undefined
// that would write a broken page without a word.
function strict(target, what) {
  return new Proxy(target, {
    get(object, key, receiver) {
      if (typeof key === "symbol" || key in object || key === "then") return Reflect.get(object, key, receiver);
      throw new Error(`the stand-in ${what} has no ${String(key)}: teach web/prerender.mjs the page's new call`);
    },
  });
}

// The few element properties the page's script sets, kept as the attributes they stand for.
const kReflected = { id: "id", type: "type", alt: "alt", title: "title", decoding: "decoding", className: "class", content: "content" };

class Element {
  constructor(tag) {
    this.tagName = tag;
    this.attributes = new Map();
    this.children = [];
    this.parent = null;
    this.text = "";
    this.style = { setProperty: (name, value) => { this.style[name] = value; } };
    this.listeners = {};
    this.dataset = new Proxy({}, {
      set: (_, key, value) => (this.attributes.set(`data-${kebab(key)}`, String(value)), true),
      get: (_, key) => this.attributes.get(`data-${kebab(key)}`),
    });
    this.classList = strict({ add: (...names) => this.attributes.set("class", [this.attributes.get("class"), ...names].filter(Boolean).join(" ")) }, "classList");
    for (const [property, attribute] of Object.entries(kReflected)) {
      Object.defineProperty(this, property, {
        get: () => this.attributes.get(attribute) ?? "",
        set: (value) => this.attributes.set(attribute, String(value)),
      });
    }
    return strict(this, `<${tag.toLowerCase()}>`);
  }
  setAttribute(name, value) { this.attributes.set(name, String(value)); }
  getAttribute(name) { return this.attributes.get(name) ?? null; }
  removeAttribute(name) { this.attributes.delete(name); }
  get hidden() { return this.attributes.has("hidden"); }
  set hidden(value) { if (value) this.attributes.set("hidden", ""); else this.attributes.delete("hidden"); }
  set textContent(value) { this.children = []; this.text = String(value); }
  get textContent() { return this.text; }
  get firstChild() { return this.children[0] ?? null; }
  append(...nodes) {
    for (const node of nodes) {
      node.parent?.children.splice(node.parent.children.indexOf(node), 1);
      node.parent = this;
      this.children.push(node);
    }
  }
  replaceChildren() { this.children = []; }
  contains(node) { for (let n = node; n; n = n.parent) if (n === this) return true; return false; }
  // Only the selectors the page's script uses: a tag name, a class, or an attribute the element has.
  matches(selector) {
    const attribute = /^\[([\w-]+)\]$/.exec(selector);
    if (attribute) return this.attributes.has(attribute[1]);
    if (selector.startsWith(".")) return (this.attributes.get("class") ?? "").split(" ").includes(selector.slice(1));
    return this.tagName === selector.toUpperCase();
  }
  querySelectorAll(selector) {
    return this.children.flatMap((child) => [...(child.matches(selector) ? [child] : []), ...child.querySelectorAll(selector)]);
  }
  querySelector(selector) { return this.querySelectorAll(selector)[0] ?? null; }
  focus() { document.activeElement = this; }
  addEventListener(type, listener) { (this.listeners[type] ??= []).push(listener); }
  // What a player's click runs, on this element alone.
  click() { for (const listener of this.listeners.click ?? []) listener({ target: this, preventDefault() {} }); }
  showModal() {}
}

let document = null;

// The browser as far as the page's script and the module's loader reach: the document in the
// page's language, with the page's own elements, each of those index.html names by an id.
function standIn(sourcePage, pageLanguage) {
  const ids = new Map([...sourcePage.matchAll(/<(\w+)[^>]*\sid="([\w-]+)"/g)].map(([, tag, id]) => [id, new Element(tag.toUpperCase())]));
  document = strict({
    documentElement: { lang: pageLanguage },
    createElement: (tag) => new Element(tag.toUpperCase()),
    getElementById: (id) => ids.get(id),
    activeElement: null,
    title: "",
    addEventListener() {},
    // The module's loader asks for it, and takes its own address when there is none.
    currentScript: null,
  }, "document");
  Object.assign(globalThis, {
    document,
    window: globalThis,
    // No frames here, so nothing that waits for one, the pictures, happens: the first scene shows none.
    requestAnimationFrame() {},
    addEventListener() {},
    Element,
    // The language switch writes the language into the address, which the page alone keeps.
    location: { href: "https://tolm.invalid/" },
    history: { state: null, replaceState() {} },
    // The module fetches its WebAssembly next to itself.
    fetch: async (url) => new Response(fs.readFileSync(fileURLToPath(url)), { headers: { "Content-Type": "application/wasm" } }),
  });
  return ids;
}

// The module and the page's script, run until the story has started; what the page keeps of it.
async function startGame(site) {
  const { ready } = await import(pathToFileURL(path.resolve(site, "tolm.js")).href);
  let timer;
  const late = new Promise((_, reject) => {
    timer = setTimeout(() => reject(new Error(`the page had not started after ${kTimeLimitMs / 1000} s`)), kTimeLimitMs);
  });
  await Promise.race([ready, late]);
  clearTimeout(timer);
  // What the script does once it has the module, start() and its focus included, has run by now;
  // one more turn lets an error in it be reported before the page is written.
  await new Promise((resolve) => setTimeout(resolve, 0));
  return globalThis.tolm.description;
}

// ---- The scene ----

// The scene's markup, and each styled element's style as a rule of the style sheet: the policy
// admits no style attributes. Every control has its rule, but only those the first scene shows are
// written: the page's script makes the others when it takes the scene over, so that the first
// paint waits for none of them.
function sceneWriter(game) {
  const unwritten = (el) => el.hidden && el.dataset.control !== undefined;
  const rules = [];
  function rule(selector, style) {
    const declarations = Object.entries(style).filter(([, value]) => typeof value === "string").map(([name, value]) => `${kebab(name)}: ${value};`);
    if (declarations.length) rules.push(`${selector} { ${declarations.join(" ")} }`);
  }
  function markup(el, selector) {
    rule(selector, el.style);
    const attributes = [...el.attributes].map(([name, value]) => (value === "" && name === "hidden" ? " hidden" : ` ${name}="${escapeAttribute(value)}"`));
    const tag = el.tagName.toLowerCase();
    const inner = escapeText(el.text) + el.children.map((child) => markup(child, child.dataset.control !== undefined
      ? `#game [data-control="${child.dataset.control}"]`
      : `${selector} > .${child.getAttribute("class")}`)).join("");
    if (unwritten(el)) return "";
    return tag === "img" ? `<img${attributes.join("")}>` : `<${tag}${attributes.join("")}>${inner}</${tag}>`;
  }
  rule("#game", game.style);
  return {
    rules,
    scene: () => game.children.map((child) => markup(child, `#game [data-control="${child.dataset.control}"]`)).filter(Boolean).join("\n"),
  };
}

// The reading layout: its condition, its figures and each control's slot, from the module.
function readingLayout({ reading, controls }) {
  const when = `(width < ${reading.belowWidth}px), (height < ${reading.belowHeight}px)`;
  const sidewaysWhen = `(height < ${reading.belowHeight}px) and (orientation: landscape)`;
  const box = controls.find((c) => c.kind === "picture").rect;
  const figures = `:root {
  --reading-story: ${reading.storyPx}px;
  --reading-text: ${reading.textPx}px;
  --reading-button-least: ${reading.buttonPx[0]}px;
  --reading-button-most: ${reading.buttonPx[1]}px;
  --reading-line: ${reading.lineSpacing};
  --reading-outline-top: ${reading.outlineTop}px;
  --target: ${reading.target}px;
  --box-width: ${box[2]};
  --box-height: ${box[3]};
  --picture-zoom: ${reading.pictureZoom};
}`;
  const slots = controls.map(({ slot }, i) =>
    `  :root #game [data-control="${i}"] { grid-row: ${slot.row} / span ${slot.rows}; grid-column: ${slot.column || "1 / -1"}; }`);
  return { when, sidewaysWhen, css: `${figures}\n@media ${when} {\n${slots.join("\n")}\n}\n@media ${sidewaysWhen} {\n${sideways(controls)}\n}` };
}

// The reading layout on a screen held sideways, too low for one column: the story on the left,
// from the row under the bar down as far as the choices, deeds and inventory go on the right,
// which move up to begin beside it; the picture under the story. The bar keeps its row, its last
// place at the right edge.
function sideways(controls) {
  const left = new Set(["story", "picture"]);
  const rightRows = controls.filter((c) => !c.inFrame && c.slot.row > 1 && !left.has(c.region));
  const firstRight = Math.min(...rightRows.map((c) => c.slot.row));
  const lastRight = Math.max(...rightRows.map((c) => c.slot.row + c.slot.rows - 1));
  const rows = lastRight - firstRight + 1;
  const lastBar = Math.max(...controls.filter((c) => c.region === "bar").map((c) => c.slot.column));
  const place = (c) => {
    if (c.region === "bar") return c.slot.column === lastBar ? "grid-column: -2;" : "";
    if (c.region === "story") return `grid-row: 2 / span ${rows}; grid-column: 1 / 3;`;
    if (c.region === "picture") return `grid-row: ${2 + rows}; grid-column: 1 / 3;`;
    return `grid-row: ${c.slot.row - firstRight + 2} / span ${c.slot.rows}; grid-column: 3 / -1;`;
  };
  const rules = controls.map((c, i) => [i, !c.inFrame && place(c)]).filter(([, rule]) => rule)
    .map(([i, rule]) => `  :root #game [data-control="${i}"] { ${rule} }`);
  return rules.join("\n");
}

// The letters each face draws in the scene, added to `lettersOf` ("WEIGHT FAMILY" -> set of code
// points). A control names its face, and what it holds is drawn in it; text outside the
// controls, whose face the style sheet gives, goes into every face, which is more than it needs
// and never less. Hidden text is drawn by none.
function addDrawnLetters(lettersOf, faceNames, el, face) {
  if (el.hidden) return;
  const named = /^(\d+) .*"([^"]+)"/.exec(el.style.font ?? "");
  const own = named ? `${named[1]} ${named[2]}` : face;
  for (const letter of el.text) {
    for (const key of own ? [own] : faceNames) {
      if (!lettersOf.has(key)) lettersOf.set(key, new Set());
      lettersOf.get(key).add(letter.codePointAt(0));
    }
  }
  for (const child of el.children) addDrawnLetters(lettersOf, faceNames, child, own);
}

// The scene in every language, switched to as a player would, and back to the page's language:
// the same elements in the same places, so their rules are the ones written with the page's
// language. Each language's scene and title, its page words as the script words them, and the
// letters drawn in any of them.
function everyLanguage(ids, description, pageLanguage, faceNames) {
  const game = ids.get("game");
  const writer = sceneWriter(game);
  const lettersOf = new Map();
  const link = (code) => game.querySelector("nav").querySelectorAll("a").find((a) => a.getAttribute("hreflang") === code);
  const snapshot = (code) => {
    for (const child of game.children) addDrawnLetters(lettersOf, faceNames, child);
    return { code, title: document.title, scene: writer.scene() };
  };
  const pageWords = () => {
    const words = globalThis.tolm.words();
    const shown = [...ids].filter(([, el]) => el.text).map(([id, el]) => [id, el.text]);
    if (!shown.length) fail("the page's script worded none of the page's own elements");
    return { words: { ...Object.fromEntries(shown), description: words.description }, noScript: words.noScript };
  };
  const first = snapshot(pageLanguage);
  const ruled = writer.rules.length;
  const rest = description.languages.filter(({ code }) => code !== pageLanguage).map(({ code }) => {
    link(code).click();
    return { ...snapshot(code), ...pageWords() };
  });
  writer.rules.length = ruled;
  link(pageLanguage).click();
  return { first: { ...first, ...pageWords() }, rest, rules: writer.rules, lettersOf };
}

// ---- The font cuts ----

// The faces the style sheet declares, as "WEIGHT FAMILY" -> the face and its file in fonts/.
function declaredFaces(sheet, sheetName) {
  return new Map([...sheet.matchAll(/@font-face\s*{([^}]*)}/g)].map(([whole, body]) => {
    const family = /font-family:\s*"([^"]+)"/.exec(body)?.[1];
    const file = /url\("fonts\/([\w.-]+\.woff2)"\)/.exec(body)?.[1];
    const weight = /font-weight:\s*(\d+)/.exec(body)?.[1];
    if (!family || !file || !weight) fail(`${sheetName} has a @font-face without a family, a file in fonts/ or a weight`);
    return [`${weight} ${family}`, { weight, family, file, rule: whole }];
  }));
}

// Every code point but the given ones, as unicode-range spans.
function allBut(points) {
  const spans = [];
  let from = 0;
  for (const p of [...points].sort((a, b) => a - b)) {
    if (p > from) spans.push(p - 1 > from ? `U+${from.toString(16)}-${(p - 1).toString(16)}` : `U+${from.toString(16)}`);
    from = p + 1;
  }
  spans.push(`U+${from.toString(16)}-10ffff`);
  return spans.join(", ");
}

// Each face cut to its first-scene letters, inside the page, and the style sheet with each whole
// face left the other letters: the family is split between the two by unicode-range, so the
// whole face, once in, redraws nothing the first paint drew. The browser takes a line's height
// from the face that has the space, so every cut has it, whether or not its text does.
function fontCuts(faces, lettersOf, { sheet, sheetName, fontDir, python, makeFonts }) {
  // A face the scene does not draw in gets a cut of the space alone, so that its lines, too, take
  // their height from a face that is there at the first layout, not from one yet to come.
  for (const key of faces.keys()) if (!lettersOf.has(key)) lettersOf.set(key, new Set());
  let split = sheet;
  const cuts = [...lettersOf].map(([key, letters]) => {
    letters.add(0x20);
    const { weight, family, file, rule } = faces.get(key) ?? fail(`the first scene draws in ${key}, which ${sheetName} does not declare`);
    const points = [...letters].sort((a, b) => a - b);
    const bytes = execFileSync(python, [makeFonts, "--first", path.join(fontDir, file), points.map((c) => c.toString(16)).join(",")],
                               { maxBuffer: 1 << 24 });
    split = split.replace(rule, rule.replace(/}\s*$/, `  unicode-range: ${allBut(points)};\n}`));
    return `@font-face {
  font-family: "${family}";
  src: url("data:font/woff2;base64,${bytes.toString("base64")}") format("woff2");
  font-weight: ${weight};
  font-display: block;
  unicode-range: ${points.map((c) => `U+${c.toString(16)}`).join(", ")};
}`;
  });
  return { sheet: split, cuts: `\n/* The faces cut to the first scene's letters. */\n${cuts.join("\n")}\n` };
}

// ---- The writing ----

// The text as esbuild minifies it, for the loader "css" or "js".
const minified = (esbuild, text, loader) =>
  execFileSync(esbuild, ["--minify", `--loader=${loader}`, "--log-level=warning"], { input: text, encoding: "utf8" }).trim();

const hashOf = (text) => `'sha256-${crypto.createHash("sha256").update(text).digest("base64")}'`;

// Each var(--name) in the text as the :root of the style sheet sets it.
function withColours(text, sheet, sheetName) {
  const root = /:root\s*\{([^}]*)\}/.exec(sheet) ?? fail(`${sheetName} has no :root`);
  const colours = new Map([...root[1].matchAll(/--([\w-]+)\s*:\s*([^;]+);/g)].map(([, name, value]) => [name, value.trim()]));
  return text.replace(/var\(--([\w-]+)\)/g, (_, name) => colours.get(name) ?? fail(`${sheetName} sets no --${name} in its :root`));
}

function writePage(sourcePage, sourceName, { style, fontStyle, languages, esbuild }) {
  const replace = (text, what, by) => {
    if (!text.includes(what)) fail(`${sourceName} holds no ${what}`);
    return text.replace(what, () => by);
  };
  const { first, rest } = languages;
  let page = sourcePage.replace(/<script>([\s\S]*?)<\/script>/g, (_, script) => `<script>${minified(esbuild, script, "js")}</script>`);
  [style, fontStyle] = [style, fontStyle].map((sheet) => minified(esbuild, sheet, "css"));
  page = replace(page, "<title>Tolm</title>", `<title>${escapeText(first.title)}</title>`);
  page = replace(page, '<meta name="description" id="description" content="">',
                 `<meta name="description" id="description" content="${escapeAttribute(first.words.description)}">`);
  for (const [id, text] of Object.entries(first.words)) {
    if (id === "description") continue;
    const empty = new RegExp(`(<(\\w+) id="${id}"[^>]*>)(</\\2>)`);
    if (!empty.test(page)) fail(`${sourceName} has no empty element with the id ${id} for its words`);
    page = page.replace(empty, (_, open, tag, close) => `${open}${escapeText(text)}${close}`);
  }
  const noScript = [first, ...rest].map(({ code, noScript }, i) =>
    (i ? `<br><span lang="${code}">${escapeText(noScript)}</span>` : escapeText(noScript))).join("");
  page = replace(page, '<p class="over" id="noscript"></p>', `<p class="over" id="noscript">${noScript}</p>`);
  page = replace(page, "style-src 'self'", `style-src ${hashOf(style)} ${hashOf(fontStyle)}`);
  const scripts = [...page.matchAll(/<script>([\s\S]*?)<\/script>/g)].map(([, script]) => hashOf(script));
  page = replace(page, "script-src 'self'", ["script-src 'self'", ...scripts].join(" "));
  page = replace(page, '<link rel="stylesheet" href="page.css">', `<style>${style}</style>\n<style id="first-fonts">${fontStyle}</style>`);
  const templates = rest.map(({ code, title, scene, words }) =>
    `<template id="game-${code}" data-title="${escapeAttribute(title)}" data-words="${escapeAttribute(JSON.stringify(words))}">\n${scene}\n</template>`);
  page = replace(page, '<main id="game" aria-label="Tolm"></main>',
                 `<main id="game" aria-label="Tolm">\n${first.scene}\n</main>\n${templates.join("\n")}`);
  return page;
}

async function main() {
  const [site, sourceIndex, sourceStyle, fontDir, python, makeFonts, esbuild] = process.argv.slice(2);
  const sourcePage = fs.readFileSync(sourceIndex, "utf8");
  const pageLanguage = /<html lang="([\w-]+)">/.exec(sourcePage)?.[1] ?? fail(`${sourceIndex} names no language in <html lang>`);
  const ids = standIn(sourcePage, pageLanguage);
  const description = await startGame(site);
  if (description.language !== pageLanguage) fail(`the page is in ${pageLanguage}, the game speaks ${description.language}`);

  const sheet = fs.readFileSync(sourceStyle, "utf8");
  if (!sheet.includes("@media reading-layout")) fail(`${sourceStyle} holds no @media reading-layout`);
  const faces = declaredFaces(sheet, sourceStyle);
  const languages = everyLanguage(ids, description, pageLanguage, [...faces.keys()]);
  const fonts = fontCuts(faces, languages.lettersOf, { sheet, sheetName: sourceStyle, fontDir, python, makeFonts });
  const reading = readingLayout(description);
  if (!sheet.includes("@media reading-sideways")) fail(`${sourceStyle} holds no @media reading-sideways`);
  const style = `\n${fonts.sheet.replaceAll("@media reading-layout", `@media ${reading.when}`)
    .replaceAll("@media reading-sideways", `@media ${reading.sidewaysWhen}`)}
/* The first scene's controls, placed by the build. */
${languages.rules.join("\n")}
${reading.css}
`;
  const page = writePage(withColours(sourcePage, sheet, sourceStyle), sourceIndex, { style, fontStyle: fonts.cuts, languages, esbuild });
  fs.writeFileSync(path.join(site, "index.html"), page);
}

process.on("uncaughtException", (e) => fail(e.stack ?? e));
process.on("unhandledRejection", (e) => fail(e?.stack ?? e));
await main();
process.exit(0);
