// Writes the site's web app manifest: web/manifest.webmanifest with each var(--name) in it
// replaced by that colour from the :root of the page's style sheet, so that the installed game's
// window and splash screen wear the page's own colours, kept in one place.
//   node write_manifest.mjs SOURCE_MANIFEST PAGE_CSS OUT_FILE
import fs from "node:fs";

const [source, sheet, out] = process.argv.slice(2);

function fail(message) {
  console.error(`write_manifest: ${message}`);
  process.exit(1);
}

const root = /:root\s*\{([^}]*)\}/.exec(fs.readFileSync(sheet, "utf8"));
if (!root) fail(`${sheet} has no :root`);
const colours = new Map([...root[1].matchAll(/--([\w-]+)\s*:\s*([^;]+);/g)].map(([, name, value]) => [name, value.trim()]));
const manifest = fs.readFileSync(source, "utf8").replace(/var\(--([\w-]+)\)/g, (_, name) =>
  colours.get(name) ?? fail(`${sheet} sets no --${name} in its :root`));
try {
  JSON.parse(manifest);
} catch (error) {
  fail(`${source} is no JSON once its colours are in: ${error.message}`);
}
fs.writeFileSync(out, manifest);
