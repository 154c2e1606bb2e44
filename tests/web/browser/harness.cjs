// What every browser test stands on: the site served on a loopback port, a headless Chromium of
// its own, a DevTools client, and the player's hands (real mouse, touch and key events).
"use strict";

const { spawn } = require("node:child_process");
const fs = require("node:fs");
const http = require("node:http");
const os = require("node:os");
const path = require("node:path");
const zlib = require("node:zlib");
const CDP = require("chrome-remote-interface");

const kTypes = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".wasm": "application/wasm",
  ".png": "image/png",
  ".woff2": "font/woff2",
  ".ico": "image/vnd.microsoft.icon",
  ".txt": "text/plain; charset=utf-8",
  ".webmanifest": "application/manifest+json",
};
// What a host compresses for a browser that takes it; pictures and fonts are compressed already.
const kCompressed = new Set([".html", ".js", ".css", ".wasm", ".txt", ".webmanifest"]);

class Failure extends Error {}

function expect(condition, message) {
  if (!condition) throw new Failure(message);
}

function expectEqual(actual, expected, what) {
  const a = JSON.stringify(actual);
  const e = JSON.stringify(expected);
  if (a !== e) throw new Failure(`${what}: got ${a}, expected ${e}`);
}

// A static file server like any game host's: the site's files, nothing else, gzipped where the
// browser takes it.
function serve(site) {
  const root = path.resolve(site);
  const server = http.createServer((request, response) => {
    let name = decodeURIComponent(new URL(request.url, "http://host").pathname);
    if (name.endsWith("/")) name += "index.html";
    const file = path.join(root, path.normalize(name));
    if (!file.startsWith(root + path.sep)) {
      response.writeHead(403).end();
      return;
    }
    fs.readFile(file, (error, data) => {
      if (error) {
        response.writeHead(404).end();
        return;
      }
      const headers = { "Content-Type": kTypes[path.extname(file)] ?? "application/octet-stream", Vary: "Accept-Encoding" };
      if (kCompressed.has(path.extname(file)) && /\bgzip\b/.test(request.headers["accept-encoding"] ?? "")) {
        response.writeHead(200, { ...headers, "Content-Encoding": "gzip" });
        response.end(zlib.gzipSync(data, { level: 9 }));
        return;
      }
      response.writeHead(200, headers);
      response.end(data);
    });
  });
  return new Promise((resolve) => server.listen(0, "127.0.0.1", () => resolve(server)));
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

async function waitFor(what, probe, timeoutMs = 20000) {
  const end = Date.now() + timeoutMs;
  for (;;) {
    const value = await probe();
    if (value) return value;
    if (Date.now() > end) throw new Failure(`timed out waiting for ${what}`);
    await sleep(25);
  }
}

// A Czech reader's browser: the page speaks the browser's first language where it has it.
async function startChromium(profile) {
  const args = [
    "--accept-lang=cs",
    "--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
    "--disable-component-update", "--disable-sync", "--disable-default-apps", "--mute-audio",
    `--user-data-dir=${profile}`, "--remote-debugging-address=127.0.0.1", "--remote-debugging-port=0",
    "about:blank",
  ];
  // A group of its own: Debian's chromium is a script that starts the browser, and ending the
  // group ends the browser and all its helpers.
  const chromium = spawn(process.env.TOLM_CHROMIUM || "/usr/bin/chromium", args, { stdio: "ignore", detached: true });
  const portFile = path.join(profile, "DevToolsActivePort");
  const port = await waitFor("Chromium's DevTools port", () =>
    fs.existsSync(portFile) && Number(fs.readFileSync(portFile, "utf8").split("\n")[0]));
  return { chromium, port };
}

// One browser and one page for a test; `problems` gathers every console error and warning,
// uncaught exception and failed or foreign request.
class Browser {
  static async open(site, options = {}) {
    const b = new Browser();
    try {
      await b.start(site, options);
    } catch (error) {
      await b.close();
      throw error;
    }
    return b;
  }

  async start(site, { width = 1280, height = 800, touch = false }) {
    const b = this;
    b.server = await serve(site);
    b.origin = `http://127.0.0.1:${b.server.address().port}`;
    b.profile = fs.mkdtempSync(path.join(os.tmpdir(), "tolm-chromium-"));
    const { chromium, port } = await startChromium(b.profile);
    b.chromium = chromium;
    b.client = await CDP({ host: "127.0.0.1", port });
    b.problems = [];
    b.requests = [];
    const { Runtime, Log, Network, Page, Emulation } = b.client;
    Runtime.consoleAPICalled(({ type, args }) => {
      if (type === "error" || type === "warning" || type === "assert")
        b.problems.push(`console ${type}: ${args.map((a) => a.value ?? a.description).join(" ")}`);
    });
    Runtime.exceptionThrown(({ exceptionDetails }) =>
      b.problems.push(`exception: ${exceptionDetails.exception?.description ?? exceptionDetails.text}`));
    Log.entryAdded(({ entry }) => {
      if (entry.level === "error" || entry.level === "warning") b.problems.push(`${entry.level}: ${entry.text} ${entry.url ?? ""}`);
    });
    Network.requestWillBeSent(({ request }) => b.requests.push(request.url));
    // A request the test itself blocked (Network.setBlockedURLs) fails on purpose, and its report
    // may come late, after the test has moved on.
    Network.loadingFailed(({ errorText, blockedReason }) => {
      if (blockedReason !== "inspector") b.problems.push(`request failed: ${errorText} ${blockedReason ?? ""}`);
    });
    await Promise.all([Runtime.enable(), Log.enable(), Network.enable(), Page.enable()]);
    await b.resize(width, height, touch);
  }

  async resize(width, height, touch = false) {
    this.width = width;
    this.height = height;
    await this.client.Emulation.setDeviceMetricsOverride({ width, height, deviceScaleFactor: 1, mobile: false });
    await this.client.Emulation.setTouchEmulationEnabled({ enabled: touch, maxTouchPoints: 1 });
  }

  // A phone, as Chromium emulates one: touch, three device pixels to a CSS pixel, and the
  // viewport and orientation of the screen held upright or sideways.
  async phone(width, height) {
    this.width = width;
    this.height = height;
    const screenOrientation = width < height ? { type: "portraitPrimary", angle: 0 } : { type: "landscapePrimary", angle: 90 };
    await this.client.Emulation.setDeviceMetricsOverride({ width, height, deviceScaleFactor: 3, mobile: true, screenOrientation });
    await this.client.Emulation.setTouchEmulationEnabled({ enabled: true, maxTouchPoints: 5 });
  }

  // Loads the game and waits until its first scene is up, fonts and all. TOLM_PAGE_QUERY, as in
  // "?lang=en", plays every test's game at that address.
  async load(query = process.env.TOLM_PAGE_QUERY ?? "") {
    const loaded = this.client.Page.loadEventFired();
    await this.client.Page.navigate({ url: `${this.origin}/${query}` });
    await loaded;
    await waitFor("the first scene", () => this.eval(
      "!!document.querySelector('#game [data-name=\"P\"]') && document.fonts.status === 'loaded' && !!window.tolm"));
  }

  async eval(expression) {
    const { result, exceptionDetails } = await this.client.Runtime.evaluate({
      expression, awaitPromise: true, returnByValue: true });
    if (exceptionDetails) throw new Failure(`in the page: ${exceptionDetails.exception?.description ?? exceptionDetails.text}`);
    return result.value;
  }

  // What a player sees: the shown controls, the three texts, the focus, the end screen.
  async seen() {
    return this.eval(`(() => {
      const all = [...document.querySelectorAll('#game [data-control]')];
      const text = (name) => document.querySelector('#game [data-name="' + name + '"]').textContent;
      // The end screen counts only where the player sees it, and sees nothing of the game.
      const over = document.getElementById('over').checkVisibility() && !document.getElementById('game').checkVisibility();
      return {
        shown: over ? [] : all.filter((e) => e.checkVisibility()).map((e) => e.dataset.name),
        story: text('P'), purse: text('peníze'), description: text('Popis'),
        descriptionShown: document.querySelector('#game [data-name="Popis"]').checkVisibility(),
        focused: document.activeElement?.dataset?.name ?? document.activeElement?.id ?? null,
        over,
        error: document.getElementById('error').open ? document.getElementById('error-message').textContent : null,
      };
    })()`);
  }

  async buttonsShown() {
    const { shown } = await this.seen();
    const kinds = await this.eval(`Object.fromEntries([...document.querySelectorAll('#game [data-control]')]
      .map((e) => [e.dataset.name, e.tagName]))`);
    return shown.filter((name) => kinds[name] === "BUTTON");
  }

  // The centre of a control (or any element by selector) on the screen, in CSS pixels.
  async centre(name) {
    const selector = name.startsWith("#") ? name : `#game [data-name="${name}"]`;
    // A player scrolls to what lies outside the screen, or under the bar at its top, before
    // touching it.
    const r = await this.eval(`(() => { const e = document.querySelector('${selector}');
      if (!e || !e.checkVisibility()) return null;
      let r = e.getBoundingClientRect();
      const hit = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);
      const underBar = hit && !e.contains(hit) && (hit.id === 'game' || !!hit.closest('.region-bar'));
      if (r.top < 0 || r.bottom > innerHeight || underBar) { e.scrollIntoView({ block: 'center' }); r = e.getBoundingClientRect(); }
      return [r.left + r.width / 2, r.top + r.height / 2]; })()`);
    expect(r, `${name} is not shown`);
    return { x: r[0], y: r[1] };
  }

  // Whether a click or a tap at the control's centre reaches it.
  async inFront(name) {
    const { x, y } = await this.centre(name);
    return (await this.eval(`document.elementFromPoint(${x}, ${y})?.closest('[data-control]')?.dataset.name`)) === name;
  }

  // Tab until the focus is on the control, as a player of the keyboard does.
  async tabTo(name) {
    for (let i = 0; i < 80 && (await this.seen()).focused !== name; ++i) await this.key("Tab");
    expectEqual((await this.seen()).focused, name, "the focus reached by Tab");
  }

  async mouseTo(x, y) {
    await this.client.Input.dispatchMouseEvent({ type: "mouseMoved", x, y });
  }

  async clickAt(x, y) {
    const { Input } = this.client;
    await Input.dispatchMouseEvent({ type: "mouseMoved", x, y });
    await Input.dispatchMouseEvent({ type: "mousePressed", x, y, button: "left", clickCount: 1 });
    await Input.dispatchMouseEvent({ type: "mouseReleased", x, y, button: "left", clickCount: 1 });
  }

  // A real click where the control is shown: what lies in front there takes it.
  async click(name) {
    const { x, y } = await this.centre(name);
    await this.clickAt(x, y);
  }

  async tap(name) {
    const { x, y } = await this.centre(name);
    await this.tapAt(x, y);
  }

  async tapAt(x, y) {
    const { Input } = this.client;
    await Input.dispatchTouchEvent({ type: "touchStart", touchPoints: [{ x, y }] });
    await Input.dispatchTouchEvent({ type: "touchEnd", touchPoints: [] });
  }

  // A finger held on the control for `ms` milliseconds, then lifted.
  async longPress(name, ms = 700) {
    const { x, y } = await this.centre(name);
    const { Input } = this.client;
    await Input.dispatchTouchEvent({ type: "touchStart", touchPoints: [{ x, y }] });
    await new Promise((resolve) => setTimeout(resolve, ms));
    await Input.dispatchTouchEvent({ type: "touchEnd", touchPoints: [] });
  }

  async key(key, { shift = false } = {}) {
    const codes = {
      Tab: [9, "Tab"], Enter: [13, "Enter"], " ": [32, "Space"], ArrowDown: [40, "ArrowDown"],
      ArrowUp: [38, "ArrowUp"], ArrowLeft: [37, "ArrowLeft"], ArrowRight: [39, "ArrowRight"],
    };
    const [keyCode, code] = codes[key];
    const text = key === "Enter" ? "\r" : key === " " ? " " : undefined;
    const base = { key, code, windowsVirtualKeyCode: keyCode, modifiers: shift ? 8 : 0 };
    await this.client.Input.dispatchKeyEvent({ type: text ? "keyDown" : "rawKeyDown", text, ...base });
    await this.client.Input.dispatchKeyEvent({ type: "keyUp", ...base });
  }

  async screenshot(file) {
    const { data } = await this.client.Page.captureScreenshot({ format: "png" });
    fs.mkdirSync(path.dirname(file), { recursive: true });
    fs.writeFileSync(file, Buffer.from(data, "base64"));
  }

  // No error or warning in the console, nothing failed and nothing left the site's origin.
  expectClean() {
    const foreign = this.requests.filter((url) => !url.startsWith(this.origin) && !url.startsWith("data:") && url !== "about:blank");
    expect(foreign.length === 0, `requests outside the site: ${foreign.join(", ")}`);
    expect(this.problems.length === 0, `the page reported:\n  ${this.problems.join("\n  ")}`);
  }

  async close() {
    try {
      await this.client?.close();
    } catch {
      // The browser may be gone already; it is ended below either way.
    }
    const chromium = this.chromium;
    if (chromium) {
      const group = (signal) => {
        try {
          process.kill(-chromium.pid, signal);
          return true;
        } catch {
          return false;  // the group is gone
        }
      };
      group("SIGTERM");
      for (let i = 0; i < 50 && group(0); ++i) await sleep(100);
      group("SIGKILL");
    }
    this.server?.close();
    // Chromium's helpers may still be writing their last files into the profile.
    if (this.profile) fs.rmSync(this.profile, { recursive: true, force: true, maxRetries: 20, retryDelay: 100 });
  }
}

// Runs in the page, for the random players: a seeded generator (mulberry32: small, and the same
// sequence in every browser), and the first way in which the page differs from the story's own
// state after event n, or null.
function seededRandom(seed) {
  let s = seed >>> 0;
  return () => {
    s = (s + 0x6d2b79f5) >>> 0;
    let t = s;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

function pageDiffers(n, what) {
  const game = document.getElementById("game");
  const { shown, purse, ended, story, money, description } = window.tolm.state();
  for (const e of game.querySelectorAll("[data-control]")) {
    if (e.hidden === shown[Number(e.dataset.control)])
      return `event ${n} (${what}): ${e.dataset.name} is ${e.hidden ? "hidden" : "shown"} on the page`;
  }
  const text = (name) => game.querySelector(`[data-name="${name}"]`).textContent;
  if (text("P") !== story || text("peníze") !== money || text("Popis") !== description)
    return `event ${n} (${what}): the texts differ from the story's`;
  if (String(Number(money)) !== money || Number(money) !== purse)
    return `event ${n} (${what}): the purse shows ${money} and holds ${purse}`;
  const focused = document.activeElement;
  if (!ended && focused !== document.body && game.contains(focused) && focused.hidden)
    return `event ${n} (${what}): the focus is on the hidden ${focused.dataset.name}`;
  return null;
}

// Runs one test: a fresh browser, the test, a clean console; exit status 1 on any failure.
// Options: the site to serve (the command line's first argument unless given), a time limit for
// a test that could otherwise wait for ever, and what to put away afterwards.
async function run(test, { site = process.argv[2], timeLimitMs = 0, finish = () => {}, ...browserOptions } = {}) {
  let browser;
  let timer;
  try {
    browser = await Browser.open(site, browserOptions);
    const late = new Promise((_, reject) => {
      if (timeLimitMs) timer = setTimeout(() => reject(new Failure(`not done after ${timeLimitMs / 1000} s`)), timeLimitMs);
    });
    await Promise.race([test(browser), late]);
    browser.expectClean();
    console.log("passed");
  } catch (error) {
    console.error(error instanceof Failure ? `FAILED: ${error.message}` : error);
    process.exitCode = 1;
  } finally {
    clearTimeout(timer);
    await browser?.close();
    finish();
  }
  // Nothing the test opened may keep it running.
  process.exit();
}

module.exports = { Browser, Failure, expect, expectEqual, pageDiffers, run, seededRandom, serve, sleep, waitFor };
