#!/usr/bin/env python3
"""Runs the start-up probes, the reaction and engine benchmarks, and prints one table.

Times vary from machine to machine and from minute to minute on a shared one, so every
start-up figure is set against the two baselines measured in the same run, interleaved.

The run measures first, then reports: each measurement is a function that returns its figures
(or None when there is nothing to measure, as for an unbuilt web edition), each part of the table a
function of those figures, and the goals are rows of GOALS. A new goal is one row there and, for a
new figure, one measuring function in MEASUREMENTS.
"""
import argparse
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass
from pathlib import Path
from typing import Callable

# The source tree stays clean of compiled modules.
sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "realwindow"))
from realwindow import Screen  # noqa: E402  (the X server the real-window tests start)

import windows_bench

RUNS = 15
WARM_UP_ROUNDS = 2
WINDOWS = ("minimal", "plain", "game")
WINDOW_NAMES = {"minimal": "minimal window", "plain": "70 plain widgets", "game": "Tolm"}
# Xvfb alone leaves every window at its own size; under openbox on a full-HD screen every
# window opens maximized, and the game's scene is scaled to fill it.
PLATFORMS = ("xcb", "maximized", "offscreen")
PLATFORM_NAMES = {"xcb": "Xvfb", "maximized": "openbox HD", "offscreen": "offscreen"}
SCREENS = {"xcb": (1280, 1024), "maximized": (1920, 1080)}

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


# Measuring: each function takes the command line and the environment of the run.

def run_probe(exe, env):
    """One start-up: ms from main and from exec to the first painted frame, and the peak MiB."""
    launched = time.monotonic_ns()
    result = subprocess.run([exe], env=env, capture_output=True, text=True, timeout=120)
    if result.returncode != 0:
        sys.exit(f"{exe} failed:\n{result.stderr}")
    fields = key_values(result.stdout)
    main, painted = int(fields["main"]), int(fields["painted"])
    return {"main": (painted - main) / 1e6, "exec": (painted - launched) / 1e6, "cpu": int(fields["cpu_us"]) / 1e3,
            "peak": int(fields["peak_kib"]) / 1024, "size": fields["size"]}


def measure_start_up(args, env):
    """Every window on every platform, interleaved, the order turning each round; each X platform
    on an X server of its own, the maximized one under a window manager."""
    probes = {"minimal": args.minimal, "plain": args.plain, "game": args.game}
    screens = {}
    try:
        envs = {"offscreen": dict(env, QT_QPA_PLATFORM="offscreen")}
        for platform, size in SCREENS.items():
            screens[platform] = Screen(size, window_manager=platform == "maximized")
            envs[platform] = dict(env, **screens[platform].environment())
        samples = {(p, w): [] for p in PLATFORMS for w in WINDOWS}
        for round_ in range(WARM_UP_ROUNDS + RUNS):
            order = WINDOWS[round_ % 3:] + WINDOWS[:round_ % 3]
            for platform in PLATFORMS:
                for window in order:
                    sample = run_probe(probes[window], envs[platform])
                    if round_ >= WARM_UP_ROUNDS:
                        samples[(platform, window)].append(sample)
    finally:
        for screen in reversed(list(screens.values())):
            screen.close()
    medians = {(clock, p, w): statistics.median(s[clock] for s in samples[(p, w)])
               for clock in ("main", "exec", "cpu", "peak") for p in PLATFORMS for w in WINDOWS}
    return {"samples": samples, "medians": medians}


def key_values(text):
    return dict(item.split("=", 1) for item in text.split())


def measure_reaction(args, env):
    result = subprocess.run([args.reaction], env=env, capture_output=True, text=True, timeout=600)
    if result.returncode != 0:
        sys.exit(f"{args.reaction} failed:\n{result.stderr}")
    return key_values(result.stdout)


def measure_engine(args, env):
    result = subprocess.run([args.engine, "--benchmark_format=json"], capture_output=True, text=True, timeout=600)
    if result.returncode != 0:
        sys.exit(f"{args.engine} failed:\n{result.stderr}")
    return {b["name"]: b for b in json.loads(result.stdout)["benchmarks"]}


def measure_size(args, env):
    with tempfile.TemporaryDirectory() as scratch:
        stripped = Path(scratch) / "stripped"
        subprocess.run(["strip", "-o", str(stripped), args.program], check=True)
        size = stripped.stat().st_size
    pictures = list(Path(args.art).glob("*.bmp"))
    return {"program": size, "pictures": sum(f.stat().st_size for f in pictures), "picture_count": len(pictures)}


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


def measure_web(args, env):
    return run_web(args.web_bench, args.web_build)


def measure_phone(args, env):
    return run_web(args.web_phone_bench, args.web_build)


def measure_page(args, env):
    """The page's own report lines: its first paint to ready, LCP and CLS, and Lighthouse; each
    script prints its lines, goals included. Nothing when the web edition is not built."""
    site = Path(args.web_build) / "site"
    client = Path(args.web_build) / "tests" / "web" / "npm" / "node_modules"
    if not (site / "index.html").exists() or not client.exists():
        return []
    lines = []
    for script in ("web_loading_bench.cjs", "web_lighthouse.cjs"):
        result = subprocess.run(["node", str(Path(__file__).parent / script), str(site)], capture_output=True, text=True,
                                timeout=1200, env=dict(os.environ, NODE_PATH=str(client)))
        if result.returncode != 0:
            sys.exit(f"the web benchmark {script} failed:\n{result.stdout}{result.stderr}")
        lines += result.stdout.rstrip("\n").split("\n") + [""]
    return lines


def measure_windows(args, env):
    """Tolm.exe under Wine, measured by its own script: its report lines, goal included."""
    return windows_bench.rows(Path(args.web_build).parent / "build-windows")


# Each measurement by name, run in this order.
MEASUREMENTS = {
    "start_up": measure_start_up,
    "reaction": measure_reaction,
    "engine": measure_engine,
    "size": measure_size,
    "web": measure_web,
    "phone": measure_phone,
    "page": measure_page,
    "windows": measure_windows,
}


# Reporting: each part of the table is a list of lines made from the figures.

def report_start_up(m):
    start_up, medians = m["start_up"]["samples"], m["start_up"]["medians"]
    lines = []
    for clock, title in (("main", "First paint, ms from entering main"),
                         ("exec", "First paint, ms from exec (the loader included)"),
                         ("cpu", "First paint, ms of processor time the process used, the loader included "
                                 "(steady on a loaded machine)")):
        lines += [title, f"  {'platform':<10} {'window':<18} {'min':>7} {'median':>7} {'max':>7} {'÷ minimal':>10}"]
        for platform in PLATFORMS:
            floor = medians[(clock, platform, "minimal")]
            for window in WINDOWS:
                times = [s[clock] for s in start_up[(platform, window)]]
                median = medians[(clock, platform, window)]
                lines.append(f"  {PLATFORM_NAMES[platform]:<10} {WINDOW_NAMES[window]:<18} {min(times):7.2f} "
                             f"{median:7.2f} {max(times):7.2f} {median / floor:9.2f}×")
        lines.append("")

    lines += ["Peak resident memory at the first paint, MiB (median)",
              f"  {'platform':<10} {'window':<18} {'peak':>7} {'− minimal':>10} {'÷ minimal':>10}"]
    for platform in PLATFORMS:
        floor = medians[("peak", platform, "minimal")]
        for window in WINDOWS:
            peak = medians[("peak", platform, window)]
            lines.append(f"  {PLATFORM_NAMES[platform]:<10} {WINDOW_NAMES[window]:<18} {peak:7.1f} "
                         f"{peak - floor:+10.1f} {peak / floor:9.2f}×")
    return lines


def report_size(m):
    size, pictures, count = m["size"]["program"], m["size"]["pictures"], m["size"]["picture_count"]
    return [f"Executable, stripped: {size:,} bytes; the {count} pictures take {pictures:,} bytes "
            f"({100 * pictures / size:.1f} %), the rest {size - pictures:,} bytes"]


def report_reaction(m):
    r = m["reaction"]
    return [
        "Reaction, offscreen, ms from a button's activation to the end of the repaint that shows it",
        f"  every choice of every playthrough: {r['samples']} in all; first round (nothing cached) "
        f"median {float(r['first_median']):.2f}, max {float(r['first_max']):.2f}",
        f"  all rounds: min {float(r['min']):.2f}, median {float(r['median']):.2f}, "
        f"90th percentile {float(r['p90']):.2f}, max {float(r['max']):.2f} ({r['slowest']})",
        "",
        "Resize, offscreen, ms from a change of the window's size to the end of the repaint of the scene scaled to it",
        f"  {r['resize_samples']} steps of drags between 801×577 and 1920×1061: "
        f"min {float(r['resize_min']):.2f}, median {float(r['resize_median']):.2f}, "
        f"90th percentile {float(r['resize_p90']):.2f}, max {float(r['resize_max']):.2f} "
        f"(at {r['resize_slowest']})",
    ]


def report_engine(m):
    plays, explore = m["engine"]["Playthroughs"], m["engine"]["FullExploration"]
    return [
        "The story alone, on the headless window",
        f"  every playthrough, each on a new window: {plays['real_time']:.1f} {plays['time_unit']} a run; "
        f"{plays['steps'] / 1e6:.1f} M handler steps/s, {plays['handlers'] / 1e6:.2f} M handlers/s",
        f"  the explorer's full run: {explore['real_time']:.1f} {explore['time_unit']} "
        f"for {int(explore['states']):,} states",
    ]


def first_scene_lines(w):
    """Navigation to the first scene painted, the game against its two static floors."""
    return [
        "  navigation to the first scene painted (largest contentful paint), ms: min / median / max",
        f"    Tolm                                      {w['game_painted_min']:>6} / {w['game_painted_median']:>6} / "
        f"{w['game_painted_max']:>6}",
        f"    static page, same first text and a button {w['static_painted_min']:>6} / "
        f"{w['static_painted_median']:>6} / {w['static_painted_max']:>6}",
        f"    the same static page in the story's web font        {w['fonts_painted_median']:>6} (median)",
    ]


def report_web(m):
    w = m["web"]
    if not w:
        return ["The web edition: not built (make web)"]
    return [
        f"The web edition, headless Chromium, served from the loopback ({w['runs']} runs, interleaved)",
        f"  fetched until the first scene is painted: {int(w['bytes_first_scene']):,} bytes; the whole site "
        f"{int(w['site_bytes']):,} bytes; the WebAssembly module {int(w['wasm_bytes']):,} bytes",
        *first_scene_lines(w),
        f"  click to the next painted frame: {w['click_samples']} clicks, median {w['click_median']} ms, "
        f"90th percentile {w['click_p90']} ms, max {w['click_max']} ms",
    ]


def report_phone(m):
    p = m["phone"]
    if not p:
        return []
    lines = [
        f"The web edition on a phone, as headless Chromium emulates one: {p['width']}×{p['height']} CSS px "
        f"at {p['device_scale']} device px each, mobile, touch (the page in its reading column: {p['column']})",
        f"  processor slowed {p['slowdown']}×; network {int(p['down_kbit']):,} kbit/s down, "
        f"{int(p['up_kbit']):,} kbit/s up, {p['latency_ms']} ms latency; every load a network load "
        f"(cache disabled, service worker bypassed); {p['runs']} runs of each page, interleaved",
        f"  fetched until the first scene is painted: {int(p['bytes_first_scene']):,} bytes",
        *first_scene_lines(p),
        "  tap to the next frame that shows the new story, ms from the finger's lift; each tap on the game "
        "followed by one on the static page in a window beside it (cache on):",
        f"    {'':<44} {'min':>6} {'median':>6} {'max':>6}   lift to click (median)",
    ]
    for name, key in ((f"Tolm, {p['tap_samples']} choices along the playthroughs", "tap"),
                      (f"static page, {p['floor_tap_samples']} taps swapping its text", "floor_tap")):
        lines.append(f"    {name:<44} {float(p[key + '_min']):6.1f} {float(p[key + '_median']):6.1f} "
                     f"{float(p[key + '_max']):6.1f}   {float(p[key + '_click_median']):6.1f}")
    lines.append(f"    Tolm's 90th percentile {float(p['tap_p90']):.1f}; taps after which no new story showed: "
                 f"{p['tap_missed']}")
    return lines


# The parts of the table, in order; an empty part leaves no gap.
def report_page(m):
    return m["page"]


def report_windows(m):
    return m["windows"]


REPORTS = (report_start_up, report_size, report_reaction, report_engine, report_web, report_phone, report_page,
           report_windows)


# The goals. Each row names the measurement it reads and a function of those figures that gives
# what the goal asks, what was measured, and whether it was met. A goal whose measurement gave
# nothing (the web edition not built) is left out.

@dataclass
class Goal:
    measurement: str
    judge: Callable[[dict], tuple]


def first_paint_goal(platform, goal):
    def judge(m):
        medians = m["medians"]
        ratio = medians[("exec", platform, "game")] / medians[("exec", platform, "minimal")]
        from_main = medians[("main", platform, "game")] / medians[("main", platform, "minimal")]
        cpu = medians[("cpu", platform, "game")] / medians[("cpu", platform, "minimal")]
        # Start-up is what a player waits for: from the exec of the program to its first frame.
        return (f"first paint ≤ {goal}× the minimal window, {PLATFORM_NAMES[platform]}",
                f"{ratio:.2f}× from exec ({from_main:.2f}× from main, {cpu:.2f}× in processor time)", ratio <= goal)
    return Goal("start_up", judge)


def memory_goal(platform, goal):
    def judge(m):
        extra = m["medians"][("peak", platform, "game")] - m["medians"][("peak", platform, "minimal")]
        return f"peak memory ≤ minimal + {goal:.0f} MiB, {PLATFORM_NAMES[platform]}", f"+{extra:.1f} MiB", extra <= goal
    return Goal("start_up", judge)


def below_ms(measurement, what, key, goal):
    def judge(m):
        value = float(m[key])
        return f"{what} < {goal:.0f} ms", f"{value:.2f} ms", value < goal
    return Goal(measurement, judge)


def web_bytes(m):
    b = int(m["bytes_first_scene"])
    return "web: fetched until the first scene ≤ 1 MiB", f"{b:,} bytes", b <= WEB_BYTES_GOAL


def web_paint(m):
    ratio = float(m["game_painted_median"]) / float(m["static_painted_median"])
    with_fonts = float(m["game_painted_median"]) / float(m["fonts_painted_median"])
    return (f"web: first scene painted ≤ {WEB_PAINT_GOAL}× the static page",
            f"{ratio:.2f}× ({with_fonts:.2f}× the static page in the web font)", ratio <= WEB_PAINT_GOAL)


def phone_bytes(m):
    b = int(m["bytes_first_scene"])
    return f"phone: fetched until the first scene ≤ {PHONE_BYTES_GOAL // 1000} kB", f"{b:,} bytes", b <= PHONE_BYTES_GOAL


def phone_paint(m):
    game, floor = float(m["game_painted_median"]), float(m["static_painted_median"])
    with_fonts = game / float(m["fonts_painted_median"])
    return (f"phone: first scene painted ≤ {WEB_PAINT_GOAL}× the static page",
            f"{game / floor:.2f}× ({game:.0f} ms against {floor:.0f} ms; {with_fonts:.2f}× the static page in the "
            f"web font)", game / floor <= WEB_PAINT_GOAL)


def phone_tap(m):
    tap, floor_tap = float(m["tap_median"]), float(m["floor_tap_median"])
    return (f"phone: tap to the next frame, median < {PHONE_TAP_GOAL_MS:.0f} ms",
            f"{tap:.2f} ms ({tap / floor_tap:.2f}× the static page's tap)", tap < PHONE_TAP_GOAL_MS)


GOALS = [
    *(first_paint_goal(p, MAXIMIZED_FIRST_PAINT_GOAL if p == "maximized" else FIRST_PAINT_GOAL) for p in PLATFORMS),
    *(memory_goal(p, MAXIMIZED_MEMORY_GOAL_MIB if p == "maximized" else MEMORY_GOAL_MIB) for p in PLATFORMS),
    below_ms("reaction", "reaction median", "median", REACTION_GOAL_MS),
    below_ms("reaction", "resize to repainted median", "resize_median", REACTION_GOAL_MS),
    Goal("web", web_bytes),
    Goal("web", web_paint),
    below_ms("web", "web: click to the next frame, median", "click_median", REACTION_GOAL_MS),
    Goal("phone", phone_bytes),
    Goal("phone", phone_paint),
    Goal("phone", phone_tap),
]


def measure(args):
    """Every measurement, with the load average before and after."""
    load_before = os.getloadavg()[0]
    # Qt wants its runtime folder private, as this one is made (0700); it goes when the runs are done.
    with tempfile.TemporaryDirectory(prefix="tolm-bench-") as runtime_dir:
        env = dict(os.environ, XDG_RUNTIME_DIR=runtime_dir)
        figures = {name: run(args, env) for name, run in MEASUREMENTS.items()}
    figures["load"] = (load_before, os.getloadavg()[0])
    return figures


def report(figures):
    samples = figures["start_up"]["samples"]
    load_before, load_after = figures["load"]
    lines = [f"Tolm benchmarks: {os.cpu_count()} cores, load average {load_before:.2f} before and "
             f"{load_after:.2f} after; {RUNS} runs of each window after {WARM_UP_ROUNDS} warm-up rounds, interleaved",
             "Screens: " + "; ".join(f"{PLATFORM_NAMES[p]} {w}x{h}" for p, (w, h) in SCREENS.items()) +
             "; first painted at: " + "; ".join(f"{PLATFORM_NAMES[p]} {WINDOW_NAMES[w]} {samples[(p, w)][0]['size']}"
                                               for p in PLATFORMS for w in ("minimal", "game")),
             ""]
    for part in REPORTS:
        text = part(figures)
        lines += text + [""] if text else []
    lines.append("Goals")
    for goal in GOALS:
        if figures[goal.measurement]:
            asked, measured, met = goal.judge(figures[goal.measurement])
            lines.append(f"  {asked}: {measured} — {'met' if met else 'NOT met'}")
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    for name in ("minimal", "plain", "game", "reaction", "engine", "program", "art", "out", "web_bench", "web_phone_bench",
                 "web_build"):
        parser.add_argument("--" + name.replace("_", "-"), dest=name, required=True)
    args = parser.parse_args()
    table = report(measure(args))
    print(table)
    Path(args.out).write_text(table + "\n")


if __name__ == "__main__":
    main()
