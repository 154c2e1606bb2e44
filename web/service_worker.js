// The site's service worker, which lets the game install and open without a network. The build
// (write_service_worker.mjs) puts kCache, the cache named by a hash of the build, and kFiles,
// every file of the site with the SHA-256 of its bytes, in front of this and writes it as sw.js.
//
// One page load must never mix two builds: the script of one with the module or the pictures of
// another breaks the game. So the worker notes which build's cache answered each page's own
// address and serves every later request of that page from that cache, whichever build's worker
// is active by then; a build's cache goes once no page of it is open. A new build's worker keeps
// only files whose bytes are its build's, so a site still being uploaded file by file installs
// nothing and the build before it goes on serving. Once whole, the new build is the one the next
// page opened or reloaded gets, while open pages go on with their own; the worker that serves
// them all stays until no page is open, and the new one then takes over. (Taking over sooner
// would hand the open pages to the new worker, and for a moment the browser sends what they ask
// for to the network, which has the new build.) A page the worker did not load (a first visit,
// or a page opened before the worker came) names its build, which index.html carries, before it
// loads its module: the worker serves it from that build's cache where it has the build whole,
// and otherwise the page loads again, whole, from the worker's. A page whose build's files are
// gone all the same (a cache the browser dropped) is reloaded, whole, into the worker's build.

const kPrefix = "tolm-";
// Which build each page came from, in a cache whose name is no build's, so that it outlives them.
const kPages = "tolm.pages";
// Where kPages also holds the name of the newest build installed whole.
const kNewest = new URL("newest", self.location).href;
// A page counts among the worker's clients only once its document is set up. Until then, for at
// most this long, the build that answered its address is kept for it all the same.
const kLoadingMs = 60000;
const kSite = new URL("./", self.location);

const buildOfPage = new Map();  // what kPages holds, as far as this run of the worker has read it

self.addEventListener("install", (event) => {
  event.waitUntil(precache());
});

self.addEventListener("activate", (event) => {
  event.waitUntil(byTurns(() => forgetClosedPages({ everyOtherBuild: true })));
});

self.addEventListener("message", (event) => {
  event.waitUntil(adopt(event.source, event.data).then((whole) => event.ports[0]?.postMessage(whole)));
});

self.addEventListener("fetch", (event) => {
  const { request } = event;
  if (request.method !== "GET" || !request.url.startsWith(self.registration.scope)) return;
  event.respondWith(request.mode === "navigate" ? openPage(event) : serve(event));
  event.waitUntil(tidy());
});

// Every file of the build, each checked against its hash: from the browser's HTTP cache where the
// page has just fetched it, so that a first visit fetches nothing twice, else (or where that copy
// is another build's) from the server. A file the server has from another build fails the
// install, and the browser tries again on a later visit; what it had cached of the build goes,
// since no other worker fills a cache of this name.
async function precache() {
  const cache = await caches.open(kCache);
  // The page as the browser fetched it: by the folder's address, with the language the open pages
  // were asked in.
  const pageAddresses = [...new Set((await self.clients.matchAll({ includeUncontrolled: true, type: "window" }))
    .map((page) => new URL(page.url)).filter((url) => url.href.startsWith(kSite.href) && url.pathname.endsWith("/"))
    .map((url) => url.href).concat(kSite.href))];
  try {
    await Promise.all(Object.entries(kFiles).map(async ([file, hash]) => {
      const urls = file === "index.html" ? pageAddresses : [new URL(file, kSite).href];
      let response = null;
      for (const url of urls) response ??= await fetchOfThisBuild(url, hash, "force-cache");
      response ??= await fetchOfThisBuild(urls.at(-1), hash, "no-cache");
      if (!response) throw new Error(`${file} on the server is not this build's`);
      await cache.put(new URL(file, kSite), response);
    }));
  } catch (error) {
    await caches.delete(kCache);
    throw error;
  }
  // A worker that took over meanwhile deletes the caches it did not know.
  if (!(await caches.has(kCache))) throw new Error(`${kCache} was deleted while it was filled`);
  await (await caches.open(kPages)).put(kNewest, new Response(kCache));
}

async function fetchOfThisBuild(url, hash, mode) {
  const response = await fetch(url, { cache: mode });
  if (!response.ok) return null;
  return (await sha256(await response.clone().arrayBuffer())) === hash ? response : null;
}

async function sha256(bytes) {
  const digest = new Uint8Array(await crypto.subtle.digest("SHA-256", bytes));
  return Array.from(digest, (byte) => byte.toString(16).padStart(2, "0")).join("");
}

// A page's own address: the newest whole build, which every later request of the page keeps to.
async function openPage(event) {
  const build = await newestBuild();
  const page = await fromBuild(build, event.request);
  if (!page) return fetch(event.request);
  if (event.resultingClientId) await notePage(event.resultingClientId, { build, since: Date.now(), seen: false });
  return page;
}

// This worker's build, or the one of a newer worker installed and waiting to take over.
async function newestBuild() {
  const newest = self.registration.waiting && (await caches.match(kNewest, { cacheName: kPages }));
  const build = newest && (await newest.text());
  return build && (await caches.has(build)) ? build : kCache;
}

// A page the worker did not load, and that has not named its build, is left to the network.
async function serve(event) {
  const build = await buildOf(event.clientId);
  if (!build) return fetch(event.request);
  const file = await fromBuild(build, event.request);
  if (file) return file;
  if (build === kCache || (await caches.has(build))) return fetch(event.request);
  // The page's build is gone: rather than go on with another build's files, it starts again.
  self.clients.get(event.clientId).then((page) => page?.navigate(page.url)).catch(() => {});
  return Response.error();
}

// A request from no page (the browser's own, for the icon or the manifest) gets this worker's build.
async function buildOf(pageId) {
  if (!pageId) return kCache;
  if (!buildOfPage.has(pageId)) {
    const noted = await caches.match(pageKey(pageId), { cacheName: kPages });
    buildOfPage.set(pageId, noted ? (await noted.json()).build : null);
  }
  return buildOfPage.get(pageId);
}

// A page the worker did not load, which names its build: whether the worker serves it from now on.
// A build is whole where it is this worker's, the newest installed or an open page's; another
// cache of that name may be a newer build still being filled.
function adopt(page, build) {
  return byTurns(() => adoptNow(page, build));
}

async function adoptNow(page, build) {
  if (!page || typeof build !== "string") return false;
  const whole = [kCache, await newestBuild(), ...(await notes()).map(({ note }) => note.build)];
  if (!whole.includes(build) || !(await caches.has(build))) return false;
  await notePage(page.id, { build, since: Date.now(), seen: true });
  await self.clients.claim();
  return true;
}

// One cached page serves every language (?lang=en) and the folder's own address. Looked up
// without opening the cache, which would make an empty one in place of a build that is gone.
function fromBuild(build, request) {
  const url = new URL(request.url);
  if (url.pathname.endsWith("/")) url.pathname += "index.html";
  url.search = "";
  return caches.match(url.href, { cacheName: build });
}

function pageKey(pageId) {
  return new URL(`page/${encodeURIComponent(pageId)}`, kSite).href;
}

// Every page noted, with its key in kPages.
async function notes() {
  const pages = await caches.open(kPages);
  const keys = (await pages.keys()).filter((key) => key.url.startsWith(pageKey("")));
  return Promise.all(keys.map(async (key) =>
    ({ key, pageId: decodeURIComponent(key.url.slice(pageKey("").length)), note: await (await pages.match(key)).json() })));
}

async function notePage(pageId, note) {
  buildOfPage.set(pageId, note.build);
  await (await caches.open(kPages)).put(pageKey(pageId), new Response(JSON.stringify(note)));
}

// Forgets the pages that have closed, and deletes their builds' caches where no open page is of
// that build. On taking over, the worker also deletes every other build's cache that no page
// holds: the ones left from before, and any that never finished installing. Otherwise it leaves
// alone the caches no page has held, since a newer build may be filling one.
async function forgetClosedPages({ everyOtherBuild }) {
  const open = new Set((await self.clients.matchAll({ includeUncontrolled: true, type: "window" })).map((c) => c.id));
  const pages = await caches.open(kPages);
  const held = new Set([kCache, await newestBuild()]);
  const released = new Set();
  for (const { key, pageId, note } of await notes()) {
    if (open.has(pageId)) {
      held.add(note.build);
      if (!note.seen) await notePage(pageId, { ...note, seen: true });
    } else if (note.seen || Date.now() - note.since > kLoadingMs) {
      await pages.delete(key);
      buildOfPage.delete(pageId);
      released.add(note.build);
    } else {
      held.add(note.build);
    }
  }
  const builds = everyOtherBuild ? (await caches.keys()).filter((name) => name.startsWith(kPrefix)) : [...released];
  await Promise.all(builds.filter((name) => !held.has(name)).map((name) => caches.delete(name)));
}

// What reads the pages' notes to change them or the caches goes one at a time, lest a page noted
// meanwhile lose its build.
let turns = Promise.resolve();
function byTurns(job) {
  const done = turns.then(job);
  turns = done.catch(() => {});
  return done;
}

// The pages' requests come in bursts; one tidying at a time, and one more after it for the
// requests that came in while it ran.
let tidying = null;
let tidyAgain = false;
function tidy() {
  if (tidying) {
    tidyAgain = true;
    return tidying;
  }
  tidying = (async () => {
    do {
      tidyAgain = false;
      await byTurns(() => forgetClosedPages({ everyOtherBuild: false })).catch(() => {});
    } while (tidyAgain);
    tidying = null;
  })();
  return tidying;
}
