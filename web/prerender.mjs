// Writes the first scene into the page at build time: the module and the page's own script run
// here on a small stand-in for the browser's document, and the controls they build, in their
// state once the story has started, go into index.html, with their placing and fonts in the
// page's style sheet. index.html carries the style sheet inline, and beside it each web font cut
// down to the letters the first scene draws in it, so that the first paint waits for no other
// file; the whole faces come from fonts/ once the scene is up. The policy admits the sheets and
// the page's inline scripts by their hashes. The browser then paints the story before the module
// has loaded; the script takes the elements over once it has. The scene in every other language the
// game speaks, as the page's language switch words it, goes into a template that the page's
// inline script swaps in before the first paint when the reader asks for that language.
// The stand-in knows only the calls the page's script makes; any other stops the build with its
// name, and so does a page that has not started within the time limit.
//   node prerender.mjs SITE_DIR SOURCE_INDEX_HTML SOURCE_PAGE_CSS FONT_DIR PYTHON MAKE_FONTS_PY
import { execFileSync } from "node:child_process";
import crypto from "node:crypto";
import fs from "node:fs";
import path from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";

const [site, sourceIndex, sourceStyle, fontDir, python, makeFonts] = process.argv.slice(2);
const kTimeLimitMs = 20000;

function fail(message) {
  console.error(`prerender: ${message}`);
  process.exit(1);
}
process.on("uncaughtException", (e) => fail(e.stack ?? e));
process.on("unhandledRejection", (e) => fail(e?.stack ?? e));

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

const escapeText = (s) => s.replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;");
const escapeAttribute = (s) => escapeText(s).replace(/"/g, "&quot;");
const kebab = (name) => name.replace(/[A-Z]/g, (c) => `-${c.toLowerCase()}`);

// The few element properties the page's script sets, kept as the attributes they stand for.
const kReflected = { id: "id", type: "type", alt: "alt", title: "title", decoding: "decoding", className: "class" };

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

const ids = new Map(["game", "over", "over-title", "over-thanks", "again", "error", "error-message", "error-ok", "hint"]
  .map((id) => [id, new Element("DIV")]));
const sourcePage = fs.readFileSync(sourceIndex, "utf8");
const pageLanguage = /<html lang="([\w-]+)">/.exec(sourcePage)?.[1] ?? fail(`${sourceIndex} names no language in <html lang>`);
const document = strict({
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

await import(pathToFileURL(path.resolve(site, "tolm.js")).href);
const started = Date.now();
while (!globalThis.tolm) {
  if (Date.now() - started > kTimeLimitMs) fail(`the page had not started after ${kTimeLimitMs / 1000} s`);
  await new Promise((resolve) => setTimeout(resolve, 1));
}
// What the script does once it has the module, start() and its focus included, has run by now;
// one more turn lets an error in it be reported before the page is written.
await new Promise((resolve) => setTimeout(resolve, 0));

// Each styled element's style as a rule of the style sheet: the policy admits no style attributes.
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
  return tag === "img" ? `<img${attributes.join("")}>` : `<${tag}${attributes.join("")}>${inner}</${tag}>`;
}

const game = ids.get("game");
rule("#game", game.style);

// The reading layout: its condition, its figures and each control's slot, from the module.
const { reading, controls: rows, languages, language } = globalThis.tolm.description;
if (language !== pageLanguage) fail(`the page is in ${pageLanguage}, the game speaks ${language}`);
const readingWhen = `(width < ${reading.belowWidth}px), (height < ${reading.belowHeight}px)`;
const box = rows.find((c) => c.kind === "picture").rect;
const readingFigures = `:root {
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
const readingSlots = rows.map(({ slot }, i) =>
  `  :root #game [data-control="${i}"] { grid-row: ${slot.row} / span ${slot.rows}; grid-column: ${slot.column || "1 / -1"}; }`);
const scene = () => game.children.map((child) => markup(child, `#game [data-control="${child.dataset.control}"]`)).join("\n");

// The faces the style sheet declares, as "WEIGHT FAMILY" -> the face and its file in fonts/.
const sourceSheet = fs.readFileSync(sourceStyle, "utf8");
const faces = new Map([...sourceSheet.matchAll(/@font-face\s*{([^}]*)}/g)].map(([, body]) => {
  const family = /font-family:\s*"([^"]+)"/.exec(body)?.[1];
  const file = /url\("fonts\/([\w.-]+\.woff2)"\)/.exec(body)?.[1];
  const weight = /font-weight:\s*(\d+)/.exec(body)?.[1];
  if (!family || !file || !weight) fail(`${sourceStyle} has a @font-face without a family, a file in fonts/ or a weight`);
  return [`${weight} ${family}`, { weight, family, file }];
}));

// The letters each face draws in the first scene, in every language, as "WEIGHT FAMILY" -> set of
// code points. A control names its face, and what it holds is drawn in it; text outside the
// controls, whose face the style sheet gives, goes into every face, which is more than it needs
// and never less. Hidden text is drawn by none.
const lettersOf = new Map();
function drawnLetters(el, face) {
  if (el.hidden) return;
  const named = /^(\d+) .*"([^"]+)"/.exec(el.style.font ?? "");
  const own = named ? `${named[1]} ${named[2]}` : face;
  for (const letter of el.text) {
    for (const key of own ? [own] : faces.keys()) {
      if (!lettersOf.has(key)) lettersOf.set(key, new Set());
      lettersOf.get(key).add(letter.codePointAt(0));
    }
  }
  for (const child of el.children) drawnLetters(child, own);
}

const controls = scene();
for (const child of game.children) drawnLetters(child);

// The scene in each other language, switched to as a player would; the same elements in the same
// places, so their rules are the ones written already.
const languageLink = (code) => game.querySelector("nav").querySelectorAll("a").find((a) => a.getAttribute("hreflang") === code);
const ruled = rules.length;
const templates = languages.filter(({ code }) => code !== pageLanguage).map(({ code }) => {
  languageLink(code).click();
  const words = scene();
  for (const child of game.children) drawnLetters(child);
  return `<template id="game-${code}" data-title="${escapeAttribute(document.title)}">\n${words}\n</template>`;
});
rules.length = ruled;
languageLink(pageLanguage).click();

// Each face cut to its first-scene letters, inside the page. The cut comes after the whole face,
// so the browser draws those letters from it and asks for the whole face only for other letters;
// the page's script drops the cuts once the whole faces are in. The browser takes a line's height
// from the face that has the space, so every cut has it, whether or not its text does.
const firstFonts = [...lettersOf].map(([key, letters]) => {
  letters.add(0x20);
  const { weight, family, file } = faces.get(key) ?? fail(`the first scene draws in ${key}, which ${sourceStyle} does not declare`);
  const points = [...letters].sort((a, b) => a - b).map((c) => c.toString(16));
  const bytes = execFileSync(python, [makeFonts, "--first", path.join(fontDir, file), points.join(",")], { maxBuffer: 1 << 24 });
  return `@font-face {
  font-family: "${family}";
  src: url("data:font/woff2;base64,${bytes.toString("base64")}") format("woff2");
  font-weight: ${weight};
  font-display: block;
  unicode-range: ${points.map((c) => `U+${c}`).join(", ")};
}`;
}).join("\n");
if (!sourceSheet.includes("@media reading-layout")) fail(`${sourceStyle} holds no @media reading-layout`);
const style = `\n${sourceSheet.replaceAll("@media reading-layout", `@media ${readingWhen}`)}
/* The first scene's controls, placed by the build. */
${rules.join("\n")}
${readingFigures}
@media ${readingWhen} {
${readingSlots.join("\n")}
}
`;
const firstFontsStyle = `\n/* The faces cut to the first scene's letters, until the whole faces are in. */\n${firstFonts}\n`;
const hashOf = (text) => `'sha256-${crypto.createHash("sha256").update(text).digest("base64")}'`;

const replace = (text, what, by) => {
  if (!text.includes(what)) throw new Error(`${sourceIndex} holds no ${what}`);
  return text.replace(what, by);
};
let page = sourcePage;
page = replace(page, "<title>Tolm</title>", `<title>${escapeText(document.title)}</title>`);
page = replace(page, "style-src 'self'", `style-src ${hashOf(style)} ${hashOf(firstFontsStyle)}`);
const scripts = [...page.matchAll(/<script>([\s\S]*?)<\/script>/g)].map(([, script]) => hashOf(script));
page = replace(page, "script-src 'self'", ["script-src 'self'", ...scripts].join(" "));
page = replace(page, '<link rel="stylesheet" href="page.css">',
               `<style>${style}</style>\n<style id="first-fonts">${firstFontsStyle}</style>`);
page = replace(page, '<main id="game" aria-label="Tolm"></main>',
               `<main id="game" aria-label="Tolm">\n${controls}\n</main>\n${templates.join("\n")}`);
fs.writeFileSync(path.join(site, "index.html"), page);
process.exit(0);
