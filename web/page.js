// The page: builds the game's window from the layout the module describes, and passes the
// player's clicks, keys and pointer moves to the story in the module. Where the focus goes is the
// module's to say. The build appends this script to the module's own loader, tolm.js, after its
// createTolm: one file to fetch, not two.

// No control: what controlOf and indexOf find where there is none, and what the module takes
// for "nothing" and, from tolm_pointer and tolm_touch, for the bare window.
const kNone = -1;

const game = document.getElementById("game");
const overScreen = document.getElementById("over");
const againButton = document.getElementById("again");
const errorDialog = document.getElementById("error");

let tolm = null;
let window_ = null;    // the module's description of the window
let elements = [];     // one page element per control, in window order
let playing = false;
let failed = false;    // a runtime error ended the game; its dialog is up

// ---- Languages ----
// The page speaks the language its first paint chose and wrote into <html lang> (from ?lang=, or
// else the browser's first language), and the player switches with the links in the window's
// corner, which the reading layout puts in its bar. The story's state holds no words: the module
// keeps its captions by key and tells the labels again, and the page words the rest anew from
// the description in the new language. Only the address keeps the choice.

let languageSwitch = null;  // the <nav> with a link for each language

// The page's own words around the window, by the element that shows each and the description's
// name for it. The build writes them into index.html from the same description.
const kPageWords = {
  "over-title": "gameOver", "over-thanks": "thanks", again: "playAgain",
  "error-ok": "ok", "error-unloaded": "cannotLoad", "error-reload": "loadAgain",
};

function describe() {
  return JSON.parse(tolm.UTF8ToString(tolm._tolm_window()));
}

function speakAsThePageDoes() {
  const i = window_.languages.findIndex((l) => l.code === document.documentElement.lang);
  if (i >= 0 && window_.languages[i].code !== window_.language && tolm._tolm_language(i)) window_ = describe();
}

// Every word the page shows besides the labels', from the description; the page's own words
// around the window, which index.html is written with, only when `aroundTheWindow`.
function reword(aroundTheWindow) {
  window_.controls.forEach((c, i) => {
    const el = elements[i];
    if (c.kind === "button") el.textContent = c.caption;
    if (c.kind === "frame") el.querySelector(".frame-caption").textContent = c.caption;
    if (c.kind === "picture") el.dataset.alt = c.alt;
    if (c.kind === "picture" && el.firstChild) el.firstChild.alt = c.alt;
    if (c.kind === "shape") el.setAttribute("aria-label", c.alt);
    if (c.tooltip) el.title = c.tooltip;
    if (c.description) el.setAttribute("aria-description", c.description);
  });
  const { words } = window_;
  document.documentElement.lang = window_.language;
  languageSwitch.setAttribute("aria-label", words.languages);
  for (const link of languageSwitch.querySelectorAll("a")) {
    if (link.getAttribute("hreflang") === window_.language) link.setAttribute("aria-current", "true");
    else link.removeAttribute("aria-current");
  }
  if (!aroundTheWindow) return;
  document.title = window_.title;
  for (const [id, word] of Object.entries(kPageWords)) document.getElementById(id).textContent = words[word];
  document.getElementById("description").content = words.description;
}

function speak(code) {
  if (!tolm._tolm_language(window_.languages.findIndex((l) => l.code === code))) return;
  window_ = describe();
  reword(true);
  const address = new URL(location.href);
  address.searchParams.set("lang", code);
  history.replaceState(history.state, "", address);
}

function makeLanguageSwitch() {
  const nav = document.createElement("nav");
  nav.id = "languages";
  window_.languages.forEach(({ code, name }, i) => {
    if (i > 0) {
      const bar = document.createElement("span");
      bar.setAttribute("aria-hidden", "true");
      bar.textContent = "|";
      nav.append(bar);
    }
    const link = document.createElement("a");
    link.setAttribute("href", `?lang=${code}`);
    link.setAttribute("hreflang", code);
    link.setAttribute("lang", code);
    // What a screen reader says begins with what the link shows, so that a voice naming the
    // letters on the screen finds it.
    link.textContent = code.toUpperCase();
    link.setAttribute("aria-label", `${link.textContent} ${name}`);
    nav.append(link);
  });
  return nav;
}

// The switch the build wrote into the page is taken over as it stands, like the controls. The
// page is written in the game's first language; in another, its own words are worded anew.
function takeLanguageSwitch() {
  languageSwitch = game.querySelector("nav");
  if (!languageSwitch) {
    languageSwitch = makeLanguageSwitch();
    game.append(languageSwitch);
  }
  for (const link of languageSwitch.querySelectorAll("a")) {
    link.addEventListener("click", (e) => {
      e.preventDefault();
      speak(link.getAttribute("hreflang"));
    });
  }
  reword(window_.language !== window_.languages[0].code);
}
// ---- end of languages ----

function fontOf(f, spaced) {
  return `${f.weight} ${f.px}px/${spaced ? `${f.lineHeight}px` : "normal"} "${f.family}"`;
}

function background(back) {
  if (back === "face") return "var(--face)";
  if (back === "workspace") return "var(--workspace)";
  return back;
}

function place(el, c) {
  const [left, top, width, height] = c.rect;
  Object.assign(el.style, { left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px` });
}

function makeControl(c, i) {
  let el;
  switch (c.kind) {
    case "button":
      el = document.createElement("button");
      el.type = "button";
      el.textContent = c.caption;
      break;
    case "label":
      el = document.createElement("p");
      el.textContent = c.caption ?? "";
      if (c.announced) {
        el.setAttribute("aria-live", "polite");
        el.setAttribute("aria-atomic", "true");
      }
      // A card says what it is without the pointer too.
      if (c.description) el.setAttribute("aria-description", c.description);
      break;
    // The picture itself comes in when it is first loaded: an <img> stands only with its file.
    case "picture":
      el = document.createElement("div");
      el.dataset.src = `pictures/${c.picture}`;
      el.dataset.alt = c.alt;
      break;
    case "frame": {
      el = document.createElement("div");
      el.setAttribute("role", "group");
      const caption = document.createElement("span");
      caption.className = "frame-caption";
      caption.id = `caption-${i}`;
      caption.textContent = c.caption;
      const outline = document.createElement("div");
      outline.className = "frame-outline";
      el.setAttribute("aria-labelledby", caption.id);
      el.append(caption, outline);
      break;
    }
    case "shape":
      el = document.createElement("div");
      el.setAttribute("role", "img");
      el.setAttribute("aria-label", c.alt);
      break;
  }
  el.classList.add("control", c.kind, `region-${c.region}`);
  if (c.description) el.classList.add("card");
  el.dataset.control = String(i);
  el.dataset.name = c.name;
  if (c.tooltip) el.title = c.tooltip;
  el.hidden = !c.visible;
  return el;
}

// A control's looks and place in the window, which the build writes into the page's style sheet
// as a rule of each control's own.
function styleControl(el, c, i) {
  place(el, c);
  if (c.kind === "label" || c.kind === "frame") el.style.background = background(c.back);
  if (c.kind === "label" && c.fore) el.style.color = c.fore;
  if (c.kind === "frame") el.querySelector(".frame-outline").style.top = `${c.outlineTop}px`;
  if (c.font) {
    el.style.font = fontOf(c.font, c.kind === "label");
    // The reading layout sizes the text from the window's own size.
    el.style.setProperty("--px", `${c.font.px}px`);
  }
  // Window order is the stacking order, the first control in front.
  el.style.zIndex = String(window_.controls.length - i);
}

// The controls the build wrote into the page, those the first scene shows, are taken over as
// they are; the rest are made beside them, each in its place in the reading order, and styled by
// the rules the build wrote for every control. All are kept for every game after: a new game puts
// them back as the window opens. Only the build, which writes the rules, styles controls itself.
function build() {
  const written = [...game.querySelectorAll("[data-control]")];
  if (elements.length) {
    window_.controls.forEach((c, i) => {
      elements[i].hidden = !c.visible;
      if (c.kind === "label") elements[i].textContent = c.caption ?? "";
    });
  } else if (written.length) {
    for (const el of written) elements[Number(el.dataset.control)] = el;
    // Only elements that are not there yet go in: one the player holds the focus on stays put.
    const frame = window_.controls.findIndex((c) => c.kind === "frame");
    const last = new Map();
    for (const i of window_.readingOrder) {
      const parent = window_.controls[i].inFrame ? elements[frame] : game;
      if (!elements[i]) {
        elements[i] = makeControl(window_.controls[i], i);
        const before = last.get(parent);
        if (before) before.after(elements[i]);
        else parent.insertBefore(elements[i], parent.querySelector("[data-control]"));
      }
      last.set(parent, elements[i]);
    }
  } else {
    game.style.setProperty("--window-width", `${window_.width}px`);
    game.style.setProperty("--window-height", `${window_.height}px`);
    game.style.width = `${window_.width}px`;
    game.style.height = `${window_.height}px`;
    game.style.font = fontOf(window_.font, false);
    elements = window_.controls.map((c, i) => {
      const el = makeControl(c, i);
      styleControl(el, c, i);
      return el;
    });
    const frame = window_.controls.findIndex((c) => c.kind === "frame");
    for (const i of window_.readingOrder) (window_.controls[i].inFrame ? elements[frame] : game).append(elements[i]);
  }
}

function focusControl(i) {
  if (i >= 0) elements[i].focus({ focusVisible: true });
}

function controlOf(node) {
  const el = node instanceof Element ? node.closest("[data-control]") : null;
  return el && game.contains(el) ? Number(el.dataset.control) : kNone;
}

function loadPicture(i) {
  const el = elements[i];
  if (!el.dataset.src || el.firstChild) return;
  const img = document.createElement("img");
  img.alt = el.dataset.alt;
  img.decoding = "async";
  img.src = el.dataset.src;
  el.append(img);
}

// The first scene shows no picture; the others follow once it is up, so that the game plays on
// without a network.
function loadAllPictures() {
  window_.controls.forEach((c, i) => c.kind === "picture" && loadPicture(i));
}

// What the story says in the inventory as it plays, a card's description, opens in view: in the
// reading layout it may lie below the fold, under the card the player touched.
function bringIntoView(i) {
  const c = window_.controls[i];
  if (c.announced && c.inFrame) elements[i].scrollIntoView({ block: "nearest" });
}

const page = {
  show(i, visible) {
    elements[i].hidden = !visible;
    if (visible) {
      loadPicture(i);
      bringIntoView(i);
    }
  },
  caption(i, text) {
    elements[i].textContent = text;
    if (!elements[i].hidden) bringIntoView(i);
  },
  end() {
    playing = false;
    if (!failed) showOver();
  },
  error(message) {
    failed = true;
    document.getElementById("error-message").textContent = message;
    errorDialog.showModal();
  },
};

function showOver() {
  game.hidden = true;
  overScreen.hidden = false;
  againButton.focus();
}

function start() {
  failed = false;
  overScreen.hidden = true;
  game.hidden = false;
  build();
  playing = true;
  tolm._tolm_start();
  focusControl(tolm._tolm_first_focus());
}

// Every event runs its handler to the end before the focus is looked at again; pressed is the
// button a click chose (kNone for any other event).
function deliver(run, pressed = kNone) {
  if (!playing) return;
  const focusedBefore = controlOf(document.activeElement);
  run();
  focusControl(tolm._tolm_focus_after(focusedBefore, pressed));
}

// A choice: a click, a tap, or Enter or Space on a button. Until the module is ready no handler
// here reads it; the page's first script keeps it and hands it to choose() once the game starts.
function choose(i) {
  if (i >= 0 && window_.controls[i].kind === "button" && !elements[i].hidden) deliver(() => tolm._tolm_click(i), i);
}
game.addEventListener("click", (e) => {
  if (tolm) choose(controlOf(e.target));
});

// The story decides what a move means: over a card it describes the card, over the bare window
// it puts the description away, elsewhere nothing.
game.addEventListener("pointermove", (e) => {
  if (e.pointerType === "touch") return;
  if (!tolm) return;
  // Over the window's own surface the description goes; outside every control, such as over the
  // language switch, nothing happens.
  const i = controlOf(e.target);
  if (e.target === game || i !== kNone) deliver(() => tolm._tolm_pointer(i));
});

// A finger does not hover: the module says what a touch means, wherever on the page it lands.
// A touch held long on a control with a hint shows the hint and presses nothing.
const hint = document.getElementById("hint");
let holding = 0;         // the timer of a touch that may become a long press
let heldLong = false;    // the last touch was a long press: its click is swallowed

function showHint(i) {
  const r = elements[i].getBoundingClientRect();
  hint.textContent = window_.controls[i].hint;
  hint.hidden = false;
  const below = r.bottom + 8 + hint.offsetHeight <= innerHeight;
  hint.style.left = `${Math.max(8, Math.min(r.left, innerWidth - hint.offsetWidth - 8))}px`;
  hint.style.top = `${below ? r.bottom + 8 : Math.max(8, r.top - hint.offsetHeight - 8)}px`;
}

document.addEventListener("pointerdown", (e) => {
  hint.hidden = true;
  heldLong = false;
  clearTimeout(holding);
  if (e.pointerType !== "touch" || !tolm || !playing) return;
  const i = controlOf(e.target);
  deliver(() => tolm._tolm_touch(i));
  if (i >= 0 && window_.controls[i].hint) {
    holding = setTimeout(() => {
      heldLong = true;
      showHint(i);
    }, window_.reading.longPressMs);
  }
});
for (const type of ["pointerup", "pointercancel"]) document.addEventListener(type, () => clearTimeout(holding));
// The bubble stands where its control was; a turned phone or a resized window moves the control,
// so the bubble goes with the layout it was placed in. (A finger that scrolls the page lifts off
// first, and its next touch puts the bubble away.)
addEventListener("resize", () => {
  hint.hidden = true;
  clearTimeout(holding);
});
game.addEventListener("click", (e) => {
  if (!heldLong) return;
  heldLong = false;
  e.stopImmediatePropagation();
}, { capture: true });
game.addEventListener("contextmenu", (e) => e.preventDefault());

game.addEventListener("keydown", (e) => {
  const i = controlOf(e.target);
  if (!tolm || i < 0) return;
  const arrow = window_.arrows.indexOf(e.key);
  if (arrow !== kNone) {
    focusControl(tolm._tolm_arrow(i, arrow));
    e.preventDefault();
  }
});

// One press chooses once: the module says what a key that chooses may do, down and up. A key held
// down repeats without a release in between, and its repeats press nothing more, neither the
// choice the focus moved on to nor the end screen's button; a Space that was down when a choice
// ran lets go without choosing.
document.addEventListener("keydown", (e) => {
  if (!tolm) return;
  const key = window_.choosingKeys.indexOf(e.code);
  if (key !== kNone && !tolm._tolm_key_press(key, e.repeat ? 1 : 0)) e.preventDefault();
}, { capture: true });
document.addEventListener("keyup", (e) => {
  if (!tolm) return;
  const key = window_.choosingKeys.indexOf(e.code);
  if (key !== kNone && !tolm._tolm_key_release(key)) e.preventDefault();
}, { capture: true });
window.addEventListener("blur", () => tolm?._tolm_keys_forget());

// A click where no button is leaves the focus on its choice, as on the desktop.
document.addEventListener("mousedown", (e) => {
  if (playing && !(e.target instanceof Element && e.target.closest("button"))) e.preventDefault();
});

errorDialog.addEventListener("close", showOver);
document.getElementById("error-ok").addEventListener("click", () => errorDialog.close());
againButton.addEventListener("click", start);

// The page loads this script once its first scene is painted; the module takes the scene over.
// The page's first script waits for `ready`: it opens the page's error dialog if the module does
// not come, and otherwise hands over the choice the player took while it loaded, through choose().
export const ready = createTolm({ page }).then((module) => {
  tolm = module;
  window_ = describe();
  speakAsThePageDoes();
  // The story's own state, for the page's tests to hold what it shows against.
  window.tolm = Object.freeze({
    state: () => JSON.parse(tolm.UTF8ToString(tolm._tolm_state())),
    failNextOperation: () => tolm._tolm_fail_next_operation(),
    description: window_,
    // The page's own words in the language it speaks now, which the build writes into index.html.
    words: () => window_.words,
  });
  document.title = window_.title;
  start();
  takeLanguageSwitch();
  requestAnimationFrame(() => setTimeout(loadAllPictures, 0));
  return { choose };
});
