// A first visit asks the server for each file once: the worker keeps every file of the build, and
// takes what the page has just fetched from the browser's HTTP cache rather than ask again, even
// where the server, as most hosts do, names each file's version for a conditional request. The
// site here was uploaded the day before.
"use strict";
const fs = require("node:fs");
const path = require("node:path");
const { expectEqual, run, waitFor } = require("./harness.cjs");
const { evalIn, settledWorker } = require("./builds.cjs");

const site = process.argv[2];
const kDayMs = 24 * 60 * 60 * 1000;

run(async (browser) => {
  const asked = new Map();
  browser.server.prependListener("request", (request, response) => {
    const { pathname } = new URL(request.url, "http://host");
    const file = pathname === "/" ? "index.html" : decodeURIComponent(pathname.slice(1));
    asked.set(file, (asked.get(file) ?? 0) + 1);
    const stat = fs.statSync(path.join(site, file), { throwIfNoEntry: false });
    if (stat) {
      response.setHeader("Last-Modified", new Date(stat.mtimeMs - kDayMs).toUTCString());
      response.setHeader("ETag", `"${stat.size}-${stat.mtimeMs}"`);
    }
  });
  await browser.load();
  await waitFor("every picture", () => browser.eval("[...document.images].every((i) => !i.getAttribute('src') || i.complete)"));
  const { caches: [cache] } = await settledWorker(browser.client);
  const kept = await evalIn(browser.client, undefined, `caches.open(${JSON.stringify(cache)})
    .then((c) => c.keys()).then((keys) => keys.map((k) => new URL(k.url).pathname.slice(1)).sort())`);
  const files = [...asked.keys()].filter((file) => file !== "sw.js").sort();
  expectEqual(kept, files, "the files the worker keeps, against those the server was asked for");
  expectEqual([...asked].filter(([, times]) => times > 1), [], "the files the server was asked for more than once");
});
