"""Starts that go wrong on purpose, on an X server of the test's own: each ends with one clear line
and a sensible status, or plays (its first frame painted, which the first-frame plugin reports);
none aborts, crashes, hangs or runs with no window. The line names the real cause: the display
-display asked for, or Qt's own reason where the display was there."""
import argparse
import os
import shutil
import signal
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "realwindow"))
from realwindow import Screen, skip  # noqa: E402
from verdict import finish  # noqa: E402

# Long enough for a loaded machine or a sanitizer build; a working start paints in under a second.
PATIENCE = 60
# Bytes on standard error that a page of messages fits in.
SAID_AT_MOST = 4096
MIB = 1024 * 1024
ESCAPES = "\x1b[2J\x1b]0;owned\x07\x1b[31m"


def dead_display():
    """A display number no X server listens on."""
    for number in range(90, 400):
        if not any(os.path.exists(p) for p in (f"/tmp/.X11-unix/X{number}", f"/tmp/.X{number}-lock")):
            return f":{number}"
    raise AssertionError("every display number from 90 on is taken")


def run(game, plugins, display, arguments, extra, address_space):
    """(status, stdout, stderr) of one start, in English, on the display unless `extra` says
    otherwise; None for the status of a start that did not end in time."""
    with tempfile.TemporaryDirectory(prefix="tolm-hostile-") as folder:
        os.chmod(folder, 0o700)
        env = {k: v for k, v in os.environ.items()
               if k not in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE", "QT_SCALE_FACTOR", "LANGUAGE",
                            "LC_ALL", "LC_MESSAGES", "LANG")}
        env.update({"DISPLAY": display, "XDG_RUNTIME_DIR": folder, "LANG": "en_GB.UTF-8", "QT_PLUGIN_PATH": plugins,
                    "QT_QPA_GENERIC_PLUGINS": "tolmfirstframe", **extra})
        command = [game, *arguments]
        if address_space:
            command = ["prlimit", f"--as={address_space}", "--", *command]
        process = subprocess.Popen(command, cwd=folder, env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                   start_new_session=True)
        try:
            out, err = process.communicate(timeout=PATIENCE)
            return process.returncode, out.decode(errors="replace"), err.decode(errors="replace")
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            out, err = process.communicate()
            return None, out.decode(errors="replace"), err.decode(errors="replace")


def sanitized(game):
    """Whether the game is built with AddressSanitizer, which links its runtime."""
    return "libasan" in subprocess.run(["ldd", game], capture_output=True, text=True).stdout


def played(status, out):
    return status == 0 and "painted=" in out


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", required=True)
    parser.add_argument("--plugins", required=True, help="the folder that holds generic/ with the first-frame plugin")
    args = parser.parse_args()
    for tool, package in (("Xvfb", "xvfb"), ("prlimit", "util-linux")):
        if not shutil.which(tool):
            skip(f"{tool} is missing (Debian package {package}; `make deps` installs it)")
    screen = Screen()
    dead = dead_display()
    scaled = "cannot use QT_SCALE_FACTOR"
    # What goes wrong, the arguments, the environment, an address-space limit, and what may come
    # of it: "plays" (with a line that must be said, or None), "says" a line with a status, or
    # "ends" with a status and Qt's own lines.
    # How much address space Qt needs to start depends on the machine: with too little, the
    # limit is named beside Qt's own reason.
    cases = [
        ("-display to nowhere", ["-display", dead], {}, None,
         [("says", 1, f'could not connect to X display "{dead}"')]),
        ("--display to nowhere", ["--display", dead], {}, None, [("says", 1, f'X display "{dead}"')]),
        ("-display to nowhere, in Czech", ["-display", dead], {"LANG": "cs_CZ.UTF-8"}, None,
         [("says", 1, f"nemohl se připojit k displeji X „{dead}“")]),
        ("a platform list of empty names", [], {"QT_QPA_PLATFORM": ";;;;"}, None,
         [("plays", None), ("says", 1, "Tolm could not start; Qt says:")]),
        ("a platform list of unknown names", [], {"QT_QPA_PLATFORM": "tolm-none;tolm-nothing"}, None,
         [("says", 1, 'connect to the "tolm-none" platform or to the "tolm-nothing" platform.')]),
        ("a zero scale", [], {"QT_SCALE_FACTOR": "0"}, None, [("plays", f"{scaled}=0;")]),
        ("a negative scale", [], {"QT_SCALE_FACTOR": "-2"}, None, [("plays", f"{scaled}=-2;")]),
        ("a NaN scale", [], {"QT_SCALE_FACTOR": "nan"}, None, [("plays", f"{scaled}=nan;")]),
        ("an infinite scale", [], {"QT_SCALE_FACTOR": "inf"}, None, [("plays", f"{scaled}=inf;")]),
        ("a scale of a billion", [], {"QT_SCALE_FACTOR": "1e9"}, None, [("plays", f"{scaled}=1e9;")]),
        ("a scale that is no number", [], {"QT_SCALE_FACTOR": "big"}, None, [("plays", f"{scaled}=big;")]),
        ("a scale with escape codes", [], {"QT_SCALE_FACTOR": ESCAPES}, None, [("plays", scaled)]),
        ("a scale of two", [], {"QT_SCALE_FACTOR": "2"}, None, [("plays", None)]),
        # A single argument may be up to 128 KiB long.
        ("--lang with escape codes", ["--lang", ESCAPES + "x" * 120 * 1024], {}, None,
         [("says", 2, "tolm: unknown language '[2J]0;owned[31mxxx")]),
        ("a DISPLAY with escape codes", [], {"DISPLAY": ESCAPES}, None, [("says", 1, 'X display "[2J]0;owned[31m"')]),
    ]
    # Qt needs about 115 MiB here; below that each step fails in another place: loading Qt's
    # platform plugin, Qt's threads, fontconfig, the X connection's shared memory. A sanitizer
    # reserves far more address space than any of these limits, so a sanitizer build skips them.
    if not sanitized(args.game):
        cases += [
            (f"an address space of {size} MiB", [], {}, size * MIB,
             [("plays", None), ("says", 1, f"address space limited to {size} MiB"),
              ("ends", 1, "The X11 connection broke: Out of memory")])
            for size in (80, 90, 100, 105, 110, 112, 115, 125)
        ]
    failures = []
    try:
        for what, arguments, extra, address_space, outcomes in cases:
            status, out, err = run(args.game, args.plugins, screen.display, arguments, extra, address_space)
            lines = err.splitlines()
            fits = []
            for outcome in outcomes:
                if outcome[0] == "plays":
                    fits.append(played(status, out) and (outcome[1] is None or outcome[1] in err))
                elif outcome[0] == "ends":
                    # Qt's own lines when the X connection breaks, and Xlib's after them.
                    fits.append(status == outcome[1] and not out and outcome[2] in err)
                else:
                    # A usage error adds a second line, the pointer to --help.
                    said = len(lines) == (2 if outcome[1] == 2 else 1) and outcome[2] in lines[0]
                    fits.append(status == outcome[1] and not out and said)
            if status is None:
                failures.append(f"{what}: still running after {PATIENCE} s, with no frame painted")
            elif not any(fits):
                failures.append(f"{what}: status {status}, printed {out[:300]!r}, said {err[:2000]!r}; "
                                f"expected one of {outcomes}")
            if "\x1b" in err or "\x07" in err:
                failures.append(f"{what}: echoed a control character: {err[:300]!r}")
            if len(err.encode()) >= SAID_AT_MOST:
                failures.append(f"{what}: said {len(err.encode())} bytes")
    finally:
        screen.close()
    finish(failures)


main()
