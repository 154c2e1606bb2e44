// Writes sw.js into a site folder: the worker of web/service_worker.js, given every other file of
// the folder with the hash of its bytes, which the worker checks each file against before it
// keeps it, and a cache named by a hash of all their names and bytes and of the worker's own code,
// so that any change to the site, and only a change, makes a new cache and a new worker. The
// build runs it once the site is complete; a test runs it on a changed copy of a site.
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

const worker = fs.readFileSync(source, "utf8");
const files = {};
const hash = crypto.createHash("sha256").update(`${kWorker}\0${worker}`);
for (const file of filesIn(site).filter((name) => name !== kWorker)) {
  const bytes = fs.readFileSync(path.join(site, file));
  files[file] = crypto.createHash("sha256").update(bytes).digest("hex");
  hash.update(`\0${file}\0${bytes.length}\0`).update(bytes);
}
const cache = `tolm-${hash.digest("hex").slice(0, 16)}`;
fs.writeFileSync(path.join(site, kWorker), `// The game's service worker, written by the build from web/service_worker.js for this site.
"use strict";
const kCache = ${JSON.stringify(cache)};
const kFiles = ${JSON.stringify(files, null, 1)};
${worker}`);
