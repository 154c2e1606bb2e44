// Writes sw.js into a site folder: the worker of web/service_worker.js, given every other file of
// the folder with the hash of its bytes, which the worker checks each file against before it
// keeps it, and a cache named by a hash of all their names and bytes and of the worker's own code,
// so that any change to the site, and only a change, makes a new cache and a new worker; and
// writes that name into index.html. The build runs it once the site is complete; a test runs it
// on a changed copy of a site.
//   node write_service_worker.mjs SITE_DIR WORKER_SOURCE
import crypto from "node:crypto";
import fs from "node:fs";
import path from "node:path";

const [site, source] = process.argv.slice(2);
const kWorker = "sw.js";

// Paths relative to the site, with forward slashes as in a URL, in an order that does not depend
// on the file system.
function filesIn(dir, prefix = "") {
  return fs.readdirSync(dir, { withFileTypes: true }).flatMap((entry) => entry.isDirectory()
    ? filesIn(path.join(dir, entry.name), `${prefix}${entry.name}/`)
    : [`${prefix}${entry.name}`]).sort();
}

// The page names its build's cache, which the hash takes with the name left out: a page that its
// worker did not load asks for its own build by that name.
const kPage = "index.html";
const kStamp = /<meta name="tolm-build" content="[^"]*">/;
const stamp = (build) => `<meta name="tolm-build" content="${build}">`;

const worker = fs.readFileSync(source, "utf8");
const bytesOf = new Map(filesIn(site).filter((name) => name !== kWorker).map((file) => [file, fs.readFileSync(path.join(site, file))]));
const page = bytesOf.get(kPage).toString("utf8");
if (!kStamp.test(page)) throw new Error(`${kPage} has no ${stamp("")}`);
bytesOf.set(kPage, Buffer.from(page.replace(kStamp, stamp(""))));
const hash = crypto.createHash("sha256").update(`${kWorker}\0${worker}`);
for (const [file, bytes] of bytesOf) hash.update(`\0${file}\0${bytes.length}\0`).update(bytes);
const cache = `tolm-${hash.digest("hex").slice(0, 16)}`;
bytesOf.set(kPage, Buffer.from(page.replace(kStamp, stamp(cache))));
fs.writeFileSync(path.join(site, kPage), bytesOf.get(kPage));
const files = Object.fromEntries([...bytesOf].map(([file, bytes]) => [file, crypto.createHash("sha256").update(bytes).digest("hex")]));
fs.writeFileSync(path.join(site, kWorker), `// The game's service worker, written by the build from web/service_worker.js for this site.
"use strict";
const kCache = ${JSON.stringify(cache)};
const kFiles = ${JSON.stringify(files, null, 1)};
${worker}`);
