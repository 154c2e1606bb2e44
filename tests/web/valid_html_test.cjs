// The page as the build writes it passes the Nu HTML checker without an error: the checker from
// npm, pinned by the lockfile, on Debian's Java. One message is the checker's own mistake and is
// left out by its exact words: it takes a custom property inside clamp() for no font size.
//   node valid_html_test.cjs SITE_DIR
"use strict";
const { spawnSync } = require("node:child_process");
const path = require("node:path");

const kSkip = 77;
const kFalseAlarm = "CSS: “font-size”: “clamp(var(--reading-button-least), var(--px), var(--reading-button-most))” is not a “font-size” value.";

function main() {
  const [site] = process.argv.slice(2);
  if (spawnSync("java", ["-version"]).error) {
    const why = "java is missing (Debian package default-jre-headless; `make deps` installs it)";
    console.log(`${process.env.TOLM_TOOLS_REQUIRED === "1" ? "FAIL" : "SKIP"}: ${why}`);
    process.exit(process.env.TOLM_TOOLS_REQUIRED === "1" ? 1 : kSkip);
  }
  const checker = path.join(path.dirname(require.resolve("vnu-jar")), "build", "dist", "vnu.jar");
  // The checker ends with status 1 when it finds an error; its report says which.
  const run = spawnSync("java", ["-jar", checker, "--format", "json", "--stdout", path.join(site, "index.html")],
                        { encoding: "utf8", maxBuffer: 1 << 26 });
  const { messages } = JSON.parse(run.stdout);
  const errors = messages.filter((m) => m.type !== "info" && m.message !== kFalseAlarm);
  if (errors.length) {
    console.error(`FAILED: the Nu HTML checker finds ${errors.length} errors in index.html:\n  ` +
                  errors.map((m) => `line ${m.lastLine}: ${m.message}`).join("\n  "));
    process.exit(1);
  }
  console.log(`passed (${messages.length - errors.length} notes and warnings, the false alarm among them)`);
}

main();
