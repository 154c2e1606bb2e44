// The web edition on an emulated slow phone, as key=value lines for run_bench.py.
"use strict";
const fs = require("node:fs");
const CDP = require("chrome-remote-interface");
const { Browser, sleep } = require("../tests/web/browser/harness.cjs");
const { median, percentile, kMarkStory, kPhone, servePages, interleavedLoads } = require("./web_measure.cjs");

const { slowdown: kSlowdown, downKbit: kDownKbit, upKbit: kUpKbit, latencyMs: kLatencyMs } = kPhone;

// As on the desktop, thirty loads of each page give a steady median; throttled, they take a
// minute or two.
const kRuns = 30;
const kWarmUp = 2;
// Whole playthroughs are tapped until there are this many taps, enough for a steady median; a tap
// that shows no new story within kNoFrameMs is counted apart.
const kTaps = 50;
const kNoFrameMs = 3000;
// A quick tap rests on the glass for a moment, far from a long press: what the page does on the
// touch is under way while the finger is down, as on a phone, not charged to the lift.
const kHoldMs = 80;
// The network counts as quiet once it has said nothing for this long.
const kQuietMs = 500;
const kQuietAtMostMs = 20000;

// Runs in the page: from the moment a finger leaves the glass to the end of the first frame whose
// story differs from the one tapped on, and to the click that the browser makes of the tap, which
// the page waits for as any page does.
const kTapTimer = `(() => {
  const story = () => document.querySelector('[data-first-text]').textContent;
  let tap = null;
  addEventListener('pointerup', (e) => { tap = { t0: e.timeStamp, before: story() }; }, true);
  addEventListener('click', () => { if (tap) tap.click = performance.now(); }, true);
  new MutationObserver(() => {
    if (!tap || story() === tap.before) return;
    const { t0, click } = tap;
    tap = null;
    requestAnimationFrame(() => { const c = new MessageChannel();
      c.port1.onmessage = () => window.__shown({ shown: performance.now() - t0, click: click - t0 });
      c.port2.postMessage(0); });
  }).observe(document.body, { subtree: true, childList: true, characterData: true });
})()`;

// A player reads the first scene before the first tap: by then the pictures that follow it are in.
// A request cancelled by a navigation may never report its end, so quiet is a time without any
// word from the network, under way or finished.
function quietNetwork(client) {
  let heard = Date.now();
  const hear = () => { heard = Date.now(); };
  for (const event of ["requestWillBeSent", "dataReceived", "loadingFinished", "loadingFailed"]) client.Network[event](hear);
  return async () => {
    const end = Date.now() + kQuietAtMostMs;
    while (Date.now() - heard < kQuietMs && Date.now() < end) await sleep(50);
  };
}

// One tap at (x, y) once the page has settled: the ms until the new story showed and until the
// click, or null when no new story showed.
async function timedTap(browser, x, y) {
  await browser.eval(`new Promise((r) => requestAnimationFrame(() => setTimeout(r, 20)))
    .then(() => { window.__next = new Promise((r) => { window.__shown = r; }); })`);
  await browser.client.Input.dispatchTouchEvent({ type: "touchStart", touchPoints: [{ x, y }] });
  await sleep(kHoldMs);
  await browser.client.Input.dispatchTouchEvent({ type: "touchEnd", touchPoints: [] });
  return browser.eval(`Promise.race([window.__next, new Promise((r) => setTimeout(() => r(null), ${kNoFrameMs}))])`);
}

// The floor in a window of its own beside the game's, as slow and as small: a button whose tap
// swaps the static page's text for the story that ends a playthrough, and back. The harness's
// hands work on it as on the game.
async function openFloor(browser, url, otherText) {
  const { targetId } = await browser.client.Target.createTarget({ url: "about:blank", newWindow: true });
  const floor = Object.create(Browser.prototype);
  floor.client = await CDP({ host: browser.client.host, port: browser.client.port, target: targetId });
  await floor.client.Page.enable();
  await floor.phone(kPhone.width, kPhone.height);
  await floor.client.Emulation.setCPUThrottlingRate({ rate: kSlowdown });
  const loaded = floor.client.Page.loadEventFired();
  await floor.client.Page.navigate({ url });
  await loaded;
  await floor.eval(kTapTimer);
  await floor.eval(`(() => {
    const p = document.querySelector('[data-first-text]');
    const texts = [p.textContent, ${JSON.stringify(otherText)}];
    document.querySelector('button').id = 'floor-choice';
    document.querySelector('button').addEventListener('click', () => {
      p.textContent = texts[p.textContent === texts[0] ? 1 : 0];
    });
  })()`);
  return floor;
}

// The game's choices along one playthrough, as long as the next is in front where a thumb lands,
// each followed by a tap on the floor.
async function tapAlong(game, settled, floor, playthrough, samples) {
  await game.load();
  await settled();
  await game.eval(kTapTimer);
  for (const [choice] of playthrough.steps) {
    const { x, y } = await game.centre(choice);
    if ((await game.eval(`document.elementFromPoint(${x}, ${y})?.closest('[data-control]')?.dataset.name`)) !== choice) break;
    const onFloor = await floor.centre("#floor-choice");
    for (const [name, page, at] of [["game", game, { x, y }], ["floor", floor, onFloor]]) {
      const sample = await timedTap(page, at.x, at.y);
      if (sample === null) ++samples.missed;
      else samples[name].push(sample);
    }
  }
}

// node web_phone_bench.cjs SITE PLAYTHROUGHS_JSON: the bytes until the first scene is painted, the
// first scene painted against the static floor pages (interleaved, every load cold), and a tap to
// the next frame that shows the new story against a tap, right after each, that changes the floor
// page's text in a window beside the game's, with how long the browser takes to make a click of
// each tap.
(async () => {
  const [site, playthroughsFile] = process.argv.slice(2);
  const playthroughs = JSON.parse(fs.readFileSync(playthroughsFile, "utf8"));
  const browser = await Browser.open(site);
  let served;
  let floorWindow;
  try {
    const { Network, Emulation, Page } = browser.client;
    await browser.phone(kPhone.width, kPhone.height);
    served = await servePages(browser, site);
    const { pages } = served;
    const { column, scale } = await browser.eval(`({
      column: getComputedStyle(document.getElementById('game')).display === 'grid', scale: devicePixelRatio })`);
    await Page.addScriptToEvaluateOnNewDocument({ source: kMarkStory });

    // Every load comes over the emulated network: nothing from the cache, nothing from a
    // service worker the page may have installed.
    await Network.setBypassServiceWorker({ bypass: true });
    await Network.setCacheDisabled({ cacheDisabled: true });
    await Emulation.setCPUThrottlingRate({ rate: kSlowdown });
    await Network.emulateNetworkConditions({
      offline: false, latency: kLatencyMs,
      downloadThroughput: (kDownKbit * 1000) / 8, uploadThroughput: (kUpKbit * 1000) / 8,
    });
    const { times, bytes } = await interleavedLoads(browser, pages, kRuns, kWarmUp);

    // Taps on the game along the playthroughs, each followed by one on the floor, in turn.
    await Network.setCacheDisabled({ cacheDisabled: false });
    const settled = quietNetwork(browser.client);
    floorWindow = await openFloor(browser, pages.static, playthroughs[0].story);
    const samples = { game: [], floor: [], missed: 0 };
    for (const p of playthroughs) {
      if (samples.game.length >= kTaps) break;
      await tapAlong(browser, settled, floorWindow, p, samples);
    }
    const { game, floor: base, missed } = samples;

    const spread = (name, xs, digits) => ({
      [`${name}_min`]: Math.min(...xs).toFixed(digits),
      [`${name}_median`]: median(xs).toFixed(digits),
      [`${name}_max`]: Math.max(...xs).toFixed(digits),
    });
    const shown = (samples) => samples.map((s) => s.shown);
    const click = (samples) => median(samples.map((s) => s.click)).toFixed(2);
    const lines = {
      width: kPhone.width,
      height: kPhone.height,
      device_scale: scale,
      slowdown: kSlowdown,
      down_kbit: kDownKbit,
      up_kbit: kUpKbit,
      latency_ms: kLatencyMs,
      column: column ? "yes" : "no",
      runs: kRuns,
      bytes_first_scene: median(bytes),
      ...spread("game_painted", times.game, 1),
      ...spread("static_painted", times.static, 1),
      fonts_painted_median: median(times.fonts).toFixed(1),
      tap_samples: game.length,
      ...spread("tap", shown(game), 2),
      tap_p90: percentile(shown(game), 0.9).toFixed(2),
      tap_click_median: click(game),
      floor_tap_samples: base.length,
      ...spread("floor_tap", shown(base), 2),
      floor_tap_click_median: click(base),
      tap_missed: missed,
    };
    for (const [k, v] of Object.entries(lines)) console.log(`${k}=${v}`);
  } finally {
    await floorWindow?.client.close();
    served?.close();
    await browser.close();
  }
  process.exit();
})();
