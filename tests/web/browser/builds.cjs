// Two builds of the site for the worker's tests, and the check that a page load kept to one: the
// built site (A), a copy whose every file that can differ does, by bytes (B), each with the worker
// the build's own script writes for it; the folder the test server serves, switched from A to B
// file by file as an upload does; and every file each page load received, held against both.
"use strict";
const { execFileSync } = require("node:child_process");
const crypto = require("node:crypto");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { Failure, expect, waitFor } = require("./harness.cjs");

const kWorker = "sw.js";
const kMark = "the other build";

// Changes that leave each file working: a comment, a custom section at the end of the module's
// WebAssembly (id 0, its size, its name's size, its name), bytes after a picture's last chunk.
function wasmSection(name) {
  const bytes = Buffer.from(name);
  return Buffer.concat([Buffer.from([0, bytes.length + 1, bytes.length]), bytes]);
}
const kChanges = [
  [/\.html$/, (bytes) => Buffer.concat([bytes, Buffer.from(`<!-- ${kMark} -->\n`)])],
  [/\.js$/, (bytes) => Buffer.concat([bytes, Buffer.from(`\n// ${kMark}\n`)])],
  [/\.wasm$/, (bytes) => Buffer.concat([bytes, wasmSection(kMark)])],
  [/\.png$/, (bytes) => Buffer.concat([bytes, Buffer.from(kMark)])],
];

// Paths relative to the site, with forward slashes, in name order, the worker last.
function filesIn(dir, prefix = "") {
  return fs.readdirSync(dir, { withFileTypes: true }).flatMap((entry) => entry.isDirectory()
    ? filesIn(path.join(dir, entry.name), `${prefix}${entry.name}/`)
    : [`${prefix}${entry.name}`]).sort();
}

const sha256 = (bytes) => crypto.createHash("sha256").update(bytes).digest("hex");

class Builds {
  // Arguments: the built site, and the build's script that writes the worker with its source.
  constructor(site, writer, source) {
    this.scratch = fs.mkdtempSync(path.join(os.tmpdir(), "tolm-builds-"));
    const a = path.join(this.scratch, "a");
    const b = path.join(this.scratch, "b");
    this.live = path.join(this.scratch, "live");
    fs.cpSync(site, a, { recursive: true });
    fs.cpSync(site, b, { recursive: true });
    for (const file of filesIn(b).filter((name) => name !== kWorker)) {
      const change = kChanges.find(([pattern]) => pattern.test(file));
      if (change) fs.writeFileSync(path.join(b, file), change[1](fs.readFileSync(path.join(b, file))));
    }
    for (const dir of [a, b]) execFileSync(process.execPath, [writer, dir, source]);
    fs.cpSync(a, this.live, { recursive: true });
    this.dirs = { A: a, B: b };
    // In name order, as a copy of the folder uploads them: the worker before the module.
    this.files = filesIn(b);
    this.hashes = Object.fromEntries(Object.entries(this.dirs).map(([build, dir]) =>
      [build, Object.fromEntries(this.files.map((file) => [file, sha256(fs.readFileSync(path.join(dir, file)))]))]));
    this.caches = Object.fromEntries(Object.entries(this.dirs).map(([build, dir]) =>
      [build, /^const kCache = "([^"]+)";$/m.exec(fs.readFileSync(path.join(dir, kWorker), "utf8"))[1]]));
    expect(this.caches.A !== this.caches.B, "the two builds have caches of their own");
  }

  // One file of B goes live, as an upload puts it in place.
  upload(file) {
    fs.copyFileSync(path.join(this.dirs.B, file), path.join(this.live, file));
  }

  remove() {
    fs.rmSync(this.scratch, { recursive: true, force: true });
  }

  // The build a file's bytes are of: "A", "B", "both" where the builds share it, or null.
  buildOf(file, hash) {
    const of = Object.keys(this.dirs).filter((build) => this.hashes[build][file] === hash);
    return of.length === 2 ? "both" : of[0] ?? null;
  }

  // The build of a page load, where every file it received is of the build of its index.html.
  judge(load) {
    const page = load.files.find((f) => f.file === "index.html");
    expect(page, `the load ${load.id} received no page: ${load.files.map((f) => f.file)}`);
    const build = this.buildOf(page.file, page.hash);
    expect(build === "A" || build === "B", `the load ${load.id} received a page of no build`);
    const strays = load.files.filter((f) => f.hash && ![build, "both"].includes(this.buildOf(f.file, f.hash)));
    if (strays.length) {
      throw new Failure(`the load ${load.id}, a page of build ${build}, received ${strays.map((f) =>
        `${f.file} ${f.hash ? `of ${this.buildOf(f.file, f.hash) ?? "no build"}` : "unread"} from the ${f.via}`).join(", ")}`);
    }
    return build;
  }
}

// Every file each page load receives, by its bytes, in the order the loads began: the main page's
// and those of every page attached by its session.
class Loads {
  constructor(client, origin) {
    this.client = client;
    this.origin = origin;
    this.loads = new Map();
    this.pending = new Set();
    const responses = new Map();
    client.on("Network.responseReceived", ({ requestId, loaderId, response }, sessionId) => {
      const url = new URL(response.url);
      if (url.origin !== origin || response.status !== 200) return;
      const file = url.pathname === "/" ? "index.html" : decodeURIComponent(url.pathname.slice(1));
      responses.set(`${sessionId}/${requestId}`, { id: `${sessionId ?? "main"}/${loaderId}`, file, via: response.fromServiceWorker ? "worker" : "network" });
    });
    client.on("Network.loadingFinished", ({ requestId }, sessionId) => {
      const response = responses.get(`${sessionId}/${requestId}`);
      if (!response) return;
      const load = this.loads.get(response.id) ?? { id: response.id, files: [] };
      this.loads.set(response.id, load);
      // A body the browser no longer holds has a hash of no build.
      const body = client.Network.getResponseBody({ requestId }, sessionId).then(
        ({ body, base64Encoded }) => sha256(Buffer.from(body, base64Encoded ? "base64" : "utf8")), () => null)
        .then((hash) => load.files.push({ file: response.file, via: response.via, hash }));
      this.pending.add(body);
      body.finally(() => this.pending.delete(body));
    });
  }

  watch(sessionId) {
    return this.client.Network.enable({}, sessionId);
  }

  async all() {
    await Promise.all([...this.pending]);
    return [...this.loads.values()];
  }
}

// Evaluates in a page attached by its session, or in the main page.
async function evalIn(client, sessionId, expression) {
  const { result, exceptionDetails } = await client.Runtime.evaluate({ expression, awaitPromise: true, returnByValue: true }, sessionId);
  if (exceptionDetails) throw new Failure(`in the page: ${exceptionDetails.exception?.description ?? exceptionDetails.text}`);
  return result.value;
}

// The page asks for every file of the site, as a page that has played long enough has.
function askForEveryFile(client, sessionId, files) {
  const wanted = files.filter((file) => file !== kWorker && file !== "index.html");
  return evalIn(client, sessionId, `Promise.all(${JSON.stringify(wanted)}.map((f) => fetch(f).then((r) => r.arrayBuffer()))).then(() => true)`);
}

// The page is up, played by its module, served by a worker, and has every picture and face it
// asked for.
function playing(client, sessionId) {
  return waitFor("a page played by its module", async () => {
    try {
      return await evalIn(client, sessionId, `document.readyState === 'complete' && !!window.tolm
        && !!navigator.serviceWorker.controller && document.fonts.status === 'loaded'
        && [...document.images].every((i) => !i.getAttribute('src') || i.complete)`);
    } catch {
      return false;  // between two documents
    }
  });
}

// The worker's state once no build is installing: every build's cache kept.
function settledWorker(client, sessionId) {
  return waitFor("the worker, settled", async () => {
    try {
      return await evalIn(client, sessionId, `navigator.serviceWorker.getRegistration().then(async (r) =>
        r?.active && !r.installing && r.active.state === 'activated'
          ? { caches: (await caches.keys()).filter((name) => name.startsWith('tolm-')).sort() } : null)`);
    } catch {
      return null;
    }
  }, 60000);
}

// The player leaves the game: the page goes to a blank one, and the new build's worker, waiting
// for no page of the old one to be open, takes over.
async function leave(client) {
  const versions = new Map();
  client.ServiceWorker.workerVersionUpdated(({ versions: updated }) => {
    for (const { versionId, status } of updated) versions.set(versionId, status);
  });
  await client.ServiceWorker.enable();
  await client.Page.navigate({ url: "about:blank" });
  await waitFor("one worker, none waiting", () => {
    const states = [...versions.values()];
    return !states.some((state) => state === "installing" || state === "installed")
      && states.filter((state) => state === "activated").length === 1;
  });
  await client.ServiceWorker.disable();
}

// Reloads the page once every load so far has come in, and waits until it plays again. With
// `lookForUpdate`, it also awaits the browser's look for a new worker that a page load makes, and
// gives the worker's settled state.
async function reload(browser, loads, { lookForUpdate = false } = {}) {
  await loads.all();
  const loaded = browser.client.Page.loadEventFired();
  await browser.client.Page.reload();
  await loaded;
  await playing(browser.client);
  if (!lookForUpdate) return undefined;
  await evalIn(browser.client, undefined, "navigator.serviceWorker.getRegistration().then((r) => r.update()).then(() => true, () => true)");
  return settledWorker(browser.client);
}

module.exports = { Builds, Loads, askForEveryFile, evalIn, leave, playing, reload, settledWorker };
