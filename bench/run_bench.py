#!/usr/bin/env python3
"""Runs the start-up probes, the reaction and engine benchmarks, and prints one table.

Times vary from machine to machine and from minute to minute on a shared one, so every
start-up figure is set against the two baselines measured in the same run, interleaved.
"""
import argparse
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

import windows_bench

RUNS = 15
WARM_UP_ROUNDS = 2
WINDOWS = ("minimal", "plain", "game")
WINDOW_NAMES = {"minimal": "minimal window", "plain": "70 plain widgets", "game": "Tolm"}
# Xvfb alone leaves every window at its own size; under openbox on a full-HD screen every
# window opens maximized, and the game's scene is scaled to fill it.
PLATFORMS = ("xcb", "maximized", "offscreen")
PLATFORM_NAMES = {"xcb": "Xvfb", "maximized": "openbox HD", "offscreen": "offscreen"}
SCREENS = {"xcb": "1280x1024", "maximized": "1920x1080"}

FIRST_PAINT_GOAL = 1.5  # times the minimal window's median
MEMORY_GOAL_MIB = 8.0   # above the minimal window's peak
# Maximized on the HD screen, where both windows paint the same 1920×1061 pixels.
MAXIMIZED_FIRST_PAINT_GOAL = 1.3
MAXIMIZED_MEMORY_GOAL_MIB = 6.0
REACTION_GOAL_MS = 16.0  # one frame at 60 Hz
WEB_BYTES_GOAL = 1024 * 1024  # fetched until the first scene shows
WEB_PAINT_GOAL = 1.5     # times a static page with the same first text and one button
PHONE_BYTES_GOAL = 200_000  # fetched until the first scene shows, on a slow phone's network
PHONE_TAP_GOAL_MS = 50.0    # a tap on a slow phone to the frame that shows the new story


def start_xvfb(screen):
    """A private X server; it writes the display number it took to the pipe. It must not reset
    when the last client leaves, as it does by default: the next probe could arrive mid-reset
    and find no display."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{screen}x24", "-nolisten", "tcp", "-noreset"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        display = pipe.readline().strip()
    if not display:
        server.kill()
        sys.exit("Xvfb did not start")
    return server, ":" + display


def start_window_manager(display):
    """Openbox on the display, once it has named itself on the root window and a moment more."""
    env = dict(os.environ, DISPLAY=display)
    manager = subprocess.Popen(["openbox", "--config-file", "/dev/null"], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(200):
        named = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=env,
                               capture_output=True, text=True).stdout
        if "window id" in named:
            time.sleep(0.5)
            return manager
        time.sleep(0.05)
    manager.kill()
    sys.exit("openbox did not start")


def run_probe(exe, env):
    """One start-up: ms from main and from exec to the first painted frame, and the peak MiB."""
    launched = time.monotonic_ns()
    result = subprocess.run([exe], env=env, capture_output=True, text=True, timeout=120)
    if result.returncode != 0:
        sys.exit(f"{exe} failed:\n{result.stderr}")
    fields = dict(item.split("=", 1) for item in result.stdout.split())
    main, painted = int(fields["main"]), int(fields["painted"])
    return {"main": (painted - main) / 1e6, "exec": (painted - launched) / 1e6, "cpu": int(fields["cpu_us"]) / 1e3,
            "peak": int(fields["peak_kib"]) / 1024, "size": fields["size"]}


def measure_start_up(probes, envs):
    """Every window on every platform, interleaved, the order turning each round."""
    samples = {(p, w): [] for p in PLATFORMS for w in WINDOWS}
    for round_ in range(WARM_UP_ROUNDS + RUNS):
        order = WINDOWS[round_ % 3:] + WINDOWS[:round_ % 3]
        for platform in PLATFORMS:
            for window in order:
                sample = run_probe(probes[window], envs[platform])
                if round_ >= WARM_UP_ROUNDS:
                    samples[(platform, window)].append(sample)
    return samples


def key_values(text):
    return dict(item.split("=", 1) for item in text.split())


def run_reaction(exe, env):
    result = subprocess.run([exe], env=env, capture_output=True, text=True, timeout=600)
    if result.returncode != 0:
        sys.exit(f"{exe} failed:\n{result.stderr}")
    return key_values(result.stdout)


def run_engine(exe):
    result = subprocess.run([exe, "--benchmark_format=json"], capture_output=True, text=True, timeout=600)
    if result.returncode != 0:
        sys.exit(f"{exe} failed:\n{result.stderr}")
    return {b["name"]: b for b in json.loads(result.stdout)["benchmarks"]}


def stripped_size(program):
    with tempfile.TemporaryDirectory() as scratch:
        stripped = Path(scratch) / "stripped"
        subprocess.run(["strip", "-o", str(stripped), program], check=True)
        return stripped.stat().st_size


def run_web(script, build):
    """The web edition in headless Chromium; nothing when it is not built."""
    site = Path(build) / "site"
    client = Path(build) / "tests" / "web" / "npm" / "node_modules"
    playthroughs = Path(build) / "tests" / "web" / "playthroughs.json"
    if not (site / "index.html").exists() or not client.exists():
        return None
    result = subprocess.run(["node", script, str(site), str(playthroughs)], capture_output=True, text=True,
                            timeout=600, env=dict(os.environ, NODE_PATH=str(client)))
    if result.returncode != 0:
        sys.exit(f"the web benchmark failed:\n{result.stdout}{result.stderr}")
    return key_values(result.stdout)


def verdict(met):
    return "met" if met else "NOT met"


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    for name in ("minimal", "plain", "game", "reaction", "engine", "program", "art", "out", "web_bench", "web_phone_bench",
                 "web_build"):
        parser.add_argument("--" + name.replace("_", "-"), dest=name, required=True)
    args = parser.parse_args()

    load_before = os.getloadavg()[0]
    # Qt wants its runtime folder private, as this one is made (0700); it goes when the runs are done.
    with tempfile.TemporaryDirectory(prefix="tolm-bench-") as runtime_dir:
        base_env = dict(os.environ, XDG_RUNTIME_DIR=runtime_dir)
        started = []
        try:
            envs = {"offscreen": dict(base_env, QT_QPA_PLATFORM="offscreen")}
            for platform, screen in SCREENS.items():
                server, display = start_xvfb(screen)
                started.append(server)
                if platform == "maximized":
                    started.append(start_window_manager(display))
                envs[platform] = dict(base_env, QT_QPA_PLATFORM="xcb", DISPLAY=display)
            probes = {"minimal": args.minimal, "plain": args.plain, "game": args.game}
            start_up = measure_start_up(probes, envs)
        finally:
            for process in reversed(started):
                process.terminate()
                process.wait()
        reaction = run_reaction(args.reaction, base_env)
        engine = run_engine(args.engine)
        web = run_web(args.web_bench, args.web_build)
        phone = run_web(args.web_phone_bench, args.web_build)
    load_after = os.getloadavg()[0]

    lines = []
    out = lines.append
    out(f"Tolm benchmarks: {os.cpu_count()} cores, load average {load_before:.2f} before and "
        f"{load_after:.2f} after; {RUNS} runs of each window after {WARM_UP_ROUNDS} warm-up rounds, interleaved")
    out("Screens: " + "; ".join(f"{PLATFORM_NAMES[p]} {SCREENS[p]}" for p in SCREENS) + "; first painted at: " +
        "; ".join(f"{PLATFORM_NAMES[p]} {WINDOW_NAMES[w]} {start_up[(p, w)][0]['size']}"
                  for p in PLATFORMS for w in ("minimal", "game")))
    out("")

    medians = {}
    for clock, title in (("main", "First paint, ms from entering main"),
                         ("exec", "First paint, ms from exec (the loader included)"),
                         ("cpu", "First paint, ms of processor time the process used, the loader included "
                                 "(steady on a loaded machine)")):
        out(f"{title}")
        out(f"  {'platform':<10} {'window':<18} {'min':>7} {'median':>7} {'max':>7} {'÷ minimal':>10}")
        for platform in PLATFORMS:
            floor = statistics.median(s[clock] for s in start_up[(platform, "minimal")])
            for window in WINDOWS:
                times = [s[clock] for s in start_up[(platform, window)]]
                median = statistics.median(times)
                medians[(clock, platform, window)] = median
                out(f"  {PLATFORM_NAMES[platform]:<10} {WINDOW_NAMES[window]:<18} {min(times):7.2f} "
                    f"{median:7.2f} {max(times):7.2f} {median / floor:9.2f}×")
        out("")

    peaks = {}
    out("Peak resident memory at the first paint, MiB (median)")
    out(f"  {'platform':<10} {'window':<18} {'peak':>7} {'− minimal':>10} {'÷ minimal':>10}")
    for platform in PLATFORMS:
        floor = statistics.median(s["peak"] for s in start_up[(platform, "minimal")])
        for window in WINDOWS:
            peak = statistics.median(s["peak"] for s in start_up[(platform, window)])
            peaks[(platform, window)] = peak
            out(f"  {PLATFORM_NAMES[platform]:<10} {WINDOW_NAMES[window]:<18} {peak:7.1f} "
                f"{peak - floor:+10.1f} {peak / floor:9.2f}×")
    out("")

    size = stripped_size(args.program)
    pictures = sum(f.stat().st_size for f in Path(args.art).glob("pic-*.bmp"))
    out(f"Executable, stripped: {size:,} bytes; the 14 pictures take {pictures:,} bytes "
        f"({100 * pictures / size:.1f} %), the rest {size - pictures:,} bytes")
    out("")

    reaction_median = float(reaction["median"])
    out("Reaction, offscreen, ms from a button's activation to the end of the repaint that shows it")
    out(f"  every choice of every playthrough: {reaction['samples']} in all; first round (nothing cached) "
        f"median {float(reaction['first_median']):.2f}, max {float(reaction['first_max']):.2f}")
    out(f"  all rounds: min {float(reaction['min']):.2f}, median {reaction_median:.2f}, "
        f"90th percentile {float(reaction['p90']):.2f}, max {float(reaction['max']):.2f} "
        f"({reaction['slowest']})")
    out("")

    resize_median = float(reaction["resize_median"])
    out("Resize, offscreen, ms from a change of the window's size to the end of the repaint of the scene scaled to it")
    out(f"  {reaction['resize_samples']} steps of drags between 801×577 and 1920×1061: "
        f"min {float(reaction['resize_min']):.2f}, median {resize_median:.2f}, "
        f"90th percentile {float(reaction['resize_p90']):.2f}, max {float(reaction['resize_max']):.2f} "
        f"(at {reaction['resize_slowest']})")
    out("")

    out("The story alone, on the headless window")
    plays = engine["Playthroughs"]
    out(f"  every playthrough, each on a new window: {plays['real_time']:.1f} {plays['time_unit']} a run; "
        f"{plays['steps'] / 1e6:.1f} M handler steps/s, {plays['handlers'] / 1e6:.2f} M handlers/s")
    explore = engine["FullExploration"]
    out(f"  the explorer's full run: {explore['real_time']:.1f} {explore['time_unit']} "
        f"for {int(explore['states']):,} states")
    out("")

    if web:
        out(f"The web edition, headless Chromium, served from the loopback ({web['runs']} runs, interleaved)")
        out(f"  fetched until the first scene is painted: {int(web['bytes_first_scene']):,} bytes; the whole site "
            f"{int(web['site_bytes']):,} bytes; the WebAssembly module {int(web['wasm_bytes']):,} bytes")
        out(f"  navigation to the first scene painted (largest contentful paint), ms: min / median / max")
        out(f"    Tolm                                      {web['game_painted_min']:>6} / {web['game_painted_median']:>6} / "
            f"{web['game_painted_max']:>6}")
        out(f"    static page, same first text and a button {web['static_painted_min']:>6} / "
            f"{web['static_painted_median']:>6} / {web['static_painted_max']:>6}")
        out(f"    the same static page in the story's web font        {web['fonts_painted_median']:>6} (median)")
        out(f"  click to the next painted frame: {web['click_samples']} clicks, median {web['click_median']} ms, "
            f"90th percentile {web['click_p90']} ms, max {web['click_max']} ms")
    else:
        out("The web edition: not built (make web)")
    out("")

    if phone:
        out(f"The web edition on a phone, as headless Chromium emulates one: {phone['width']}×{phone['height']} CSS px "
            f"at {phone['device_scale']} device px each, mobile, touch (the page in its reading column: {phone['column']})")
        out(f"  processor slowed {phone['slowdown']}×; network {int(phone['down_kbit']):,} kbit/s down, "
            f"{int(phone['up_kbit']):,} kbit/s up, {phone['latency_ms']} ms latency; every load a network load "
            f"(cache disabled, service worker bypassed); {phone['runs']} runs of each page, interleaved")
        out(f"  fetched until the first scene is painted: {int(phone['bytes_first_scene']):,} bytes")
        out(f"  navigation to the first scene painted (largest contentful paint), ms: min / median / max")
        out(f"    Tolm                                      {phone['game_painted_min']:>6} / "
            f"{phone['game_painted_median']:>6} / {phone['game_painted_max']:>6}")
        out(f"    static page, same first text and a button {phone['static_painted_min']:>6} / "
            f"{phone['static_painted_median']:>6} / {phone['static_painted_max']:>6}")
        out(f"    the same static page in the story's web font        {phone['fonts_painted_median']:>6} (median)")
        out(f"  tap to the next frame that shows the new story, ms from the finger's lift; each tap on the game "
            f"followed by one on the static page in a window beside it (cache on):")
        out(f"    {'':<44} {'min':>6} {'median':>6} {'max':>6}   lift to click (median)")
        for name, key in ((f"Tolm, {phone['tap_samples']} choices along the playthroughs", "tap"),
                          (f"static page, {phone['floor_tap_samples']} taps swapping its text", "floor_tap")):
            out(f"    {name:<44} {float(phone[key + '_min']):6.1f} {float(phone[key + '_median']):6.1f} "
                f"{float(phone[key + '_max']):6.1f}   {float(phone[key + '_click_median']):6.1f}")
        out(f"    Tolm's 90th percentile {float(phone['tap_p90']):.1f}; taps after which no new story showed: "
            f"{phone['tap_missed']}")
        out("")

    out("Goals")
    # Start-up is what a player waits for: from the exec of the program to its first frame.
    # From main alone (the loader left out) is shown beside it.
    first_paint_goals = {p: MAXIMIZED_FIRST_PAINT_GOAL if p == "maximized" else FIRST_PAINT_GOAL for p in PLATFORMS}
    memory_goals = {p: MAXIMIZED_MEMORY_GOAL_MIB if p == "maximized" else MEMORY_GOAL_MIB for p in PLATFORMS}
    for platform in PLATFORMS:
        goal = first_paint_goals[platform]
        ratio = medians[("exec", platform, "game")] / medians[("exec", platform, "minimal")]
        from_main = medians[("main", platform, "game")] / medians[("main", platform, "minimal")]
        cpu = medians[("cpu", platform, "game")] / medians[("cpu", platform, "minimal")]
        out(f"  first paint ≤ {goal}× the minimal window, {PLATFORM_NAMES[platform]}: "
            f"{ratio:.2f}× from exec ({from_main:.2f}× from main, {cpu:.2f}× in processor time) — "
            f"{verdict(ratio <= goal)}")
    for platform in PLATFORMS:
        goal = memory_goals[platform]
        extra = peaks[(platform, "game")] - peaks[(platform, "minimal")]
        out(f"  peak memory ≤ minimal + {goal:.0f} MiB, {PLATFORM_NAMES[platform]}: "
            f"+{extra:.1f} MiB — {verdict(extra <= goal)}")
    out(f"  reaction median < {REACTION_GOAL_MS:.0f} ms: {reaction_median:.2f} ms — "
        f"{verdict(reaction_median < REACTION_GOAL_MS)}")
    out(f"  resize to repainted median < {REACTION_GOAL_MS:.0f} ms: {resize_median:.2f} ms — "
        f"{verdict(resize_median < REACTION_GOAL_MS)}")

    if web:
        bytes_ = int(web["bytes_first_scene"])
        out(f"  web: fetched until the first scene ≤ 1 MiB: {bytes_:,} bytes — {verdict(bytes_ <= WEB_BYTES_GOAL)}")
        ratio = float(web["game_painted_median"]) / float(web["static_painted_median"])
        with_fonts = float(web["game_painted_median"]) / float(web["fonts_painted_median"])
        out(f"  web: first scene painted ≤ {WEB_PAINT_GOAL}× the static page: {ratio:.2f}× "
            f"({with_fonts:.2f}× the static page in the web font) — {verdict(ratio <= WEB_PAINT_GOAL)}")
        click = float(web["click_median"])
        out(f"  web: click to the next frame, median < {REACTION_GOAL_MS:.0f} ms: {click:.2f} ms — "
            f"{verdict(click < REACTION_GOAL_MS)}")

    if phone:
        bytes_ = int(phone["bytes_first_scene"])
        out(f"  phone: fetched until the first scene ≤ {PHONE_BYTES_GOAL // 1000} kB: {bytes_:,} bytes — "
            f"{verdict(bytes_ <= PHONE_BYTES_GOAL)}")
        game, floor = float(phone["game_painted_median"]), float(phone["static_painted_median"])
        ratio = game / floor
        with_fonts = game / float(phone["fonts_painted_median"])
        out(f"  phone: first scene painted ≤ {WEB_PAINT_GOAL}× the static page: {ratio:.2f}× ({game:.0f} ms against "
            f"{floor:.0f} ms; {with_fonts:.2f}× the static page in the web font) — {verdict(ratio <= WEB_PAINT_GOAL)}")
        tap, floor_tap = float(phone["tap_median"]), float(phone["floor_tap_median"])
        out(f"  phone: tap to the next frame, median < {PHONE_TAP_GOAL_MS:.0f} ms: {tap:.2f} ms "
            f"({tap / floor_tap:.2f}× the static page's tap) — {verdict(tap < PHONE_TAP_GOAL_MS)}")

    # Tolm.exe under Wine, measured by its own script.
    lines += windows_bench.rows(Path(args.web_build).parent / "build-windows")

    table = "\n".join(lines)
    print(table)
    Path(args.out).write_text(table + "\n")


if __name__ == "__main__":
    main()
