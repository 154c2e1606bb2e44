// The site's service worker, which lets the game install and open without a network. The build
// (write_service_worker.mjs) puts kCache, the cache named by a hash of the site's bytes, and
// kFiles, every file of the site, in front of this and writes the whole as sw.js.
//
// One page load must never mix two builds: the script of one with the module or the pictures of
// another breaks the game. So a page is served by the worker of the build it was loaded from,
// and a new build's worker precaches everything, then waits, with the old build's cache kept,
// until no page of the old build would be left loading. It takes over on its own once every such
// page is closed, so the next visit opens the new build; and on a reload of the only open page,
// whose navigation the old worker answers with an immediate refresh, asking the new one to take
// over in the meantime. (A navigation cannot tell that reload from a new page opened beside one
// other; but the game fetches every file it will need as soon as its first scene is up, so that
// other page has long finished fetching.) No worker claims a page it did not load: that page came
// from the network, maybe from another build than the worker's.

const kPrefix = "tolm-";
const kTakeOver = "take over";

self.addEventListener("install", (event) => {
  // Past the browser's HTTP cache, which may still hold the files of an earlier build.
  event.waitUntil(caches.open(kCache).then((cache) =>
    cache.addAll(kFiles.map((file) => new Request(file, { cache: "no-cache" })))));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(
    names.filter((name) => name.startsWith(kPrefix) && name !== kCache).map((name) => caches.delete(name)))));
});

self.addEventListener("message", (event) => {
  if (event.data === kTakeOver) self.skipWaiting();
});

self.addEventListener("fetch", (event) => {
  const { request } = event;
  if (request.method === "GET" && request.url.startsWith(self.registration.scope)) event.respondWith(answer(request));
});

async function answer(request) {
  const next = self.registration.waiting;
  if (request.mode === "navigate" && next && (await self.clients.matchAll()).length <= 1) {
    next.postMessage(kTakeOver);
    return new Response("", { headers: { "Content-Type": "text/html; charset=utf-8", Refresh: "0" } });
  }
  const url = new URL(request.url);
  if (url.pathname.endsWith("/")) url.pathname += "index.html";
  // The page's language rides in its address (?lang=en): one cached page serves every language.
  url.search = "";
  const cached = await (await caches.open(kCache)).match(url.href);
  return cached ?? fetch(request);
}
