"""Tolm.exe's rows of `make bench`: its first paint against a bare Win32 window, both maximized
under Wine on one X server with a window manager, interleaved in the same run, with the time each
is idle after it (when the game has built the controls its first scene left out), and the sizes
of the program and its zip.

    windows_bench.py WINDOWS_BUILD      prints the rows; run_bench.py adds them to its table
"""
import os
import statistics
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "windows"))
sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "realwindow"))
import realwindow as rw  # noqa: E402
import wine  # noqa: E402

RUNS = 7
WARM_UP_ROUNDS = 1
PAINT_GOAL = 1.2
SCREEN = (1920, 1080)


def first_paint(probe, env, bare):
    """Milliseconds from the process's start to the first complete paint and to idle after it."""
    result = subprocess.run([wine.LOADER, str(probe), *(["--bare"] if bare else [])], env=env, capture_output=True,
                            text=True, timeout=120, check=True)
    painted, idle = result.stdout.split()[-2:]
    return float(painted), float(idle)


def rows(build):
    build = Path(build)
    probe, exe, archive = build / "bench" / "windows" / "windows_first_paint.exe", build / "Tolm.exe", build / "tolm-windows.zip"
    if not probe.exists():
        return [f"  windows: no {probe} (`make windows` builds it)"]
    with tempfile.TemporaryDirectory(prefix="tolm-bench-wine-") as folder:
        prefix = os.path.join(folder, "prefix")
        wine.setup(prefix)
        screen = rw.Screen(SCREEN, window_manager=True)
        try:
            env = wine.environment(prefix, screen.display)
            times = {True: [], False: []}
            idle = {True: [], False: []}
            for round_ in range(WARM_UP_ROUNDS + RUNS):
                for bare in (True, False):
                    painted, idled = first_paint(probe, env, bare)
                    if round_ >= WARM_UP_ROUNDS:
                        times[bare].append(painted)
                        idle[bare].append(idled)
        finally:
            screen.close()
            wine.cleanup(prefix)
    game, floor = statistics.median(times[False]), statistics.median(times[True])
    ratio = game / floor
    verdict = "met" if ratio <= PAINT_GOAL else "NOT MET"
    return [
        f"  windows: first paint ≤ {PAINT_GOAL}× a bare Win32 window, maximized on {SCREEN[0]}×{SCREEN[1]} under Wine: "
        f"{ratio:.2f}× ({game:.0f} ms against {floor:.0f} ms, medians of {RUNS}) — {verdict}; idle after it at "
        f"{statistics.median(idle[False]):.0f} ms against {statistics.median(idle[True]):.0f} ms",
        f"  windows: Tolm.exe {exe.stat().st_size:,} bytes, tolm-windows.zip {archive.stat().st_size:,} bytes",
    ]


if __name__ == "__main__":
    print("\n".join(rows(sys.argv[1])))
