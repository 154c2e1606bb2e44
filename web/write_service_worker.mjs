// Writes sw.js into a site folder: the worker of web/service_worker.js, given every other file of
// the folder to precache and a cache named by a hash of their names and bytes, so that any change
// to the site, and only a change, makes a new cache and a new worker. The build runs it once the
// site is complete; a test runs it on a changed copy of a site.
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

const files = filesIn(site).filter((file) => file !== kWorker);
const hash = crypto.createHash("sha256");
for (const file of files) {
  const bytes = fs.readFileSync(path.join(site, file));
  hash.update(`${file}\0${bytes.length}\0`).update(bytes);
}
const cache = `tolm-${hash.digest("hex").slice(0, 16)}`;
fs.writeFileSync(path.join(site, kWorker), `// The game's service worker, written by the build from web/service_worker.js for this site.
"use strict";
const kCache = ${JSON.stringify(cache)};
const kFiles = ${JSON.stringify(files, null, 1)};
${fs.readFileSync(source, "utf8")}`);
