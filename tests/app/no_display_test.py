"""Without a graphical session the game says so in one line, in its language, naming the display
it tried, and ends with status 1: no abort, no core dump, no toolkit advice to reinstall.
The offscreen platform, which needs no display, still starts the game: the first-frame plugin ends
it once its window is painted. However long the platforms and displays it is given, what it says
stays short."""
import argparse
import os
import resource
import subprocess
import tempfile

from verdict import finish

CZECH = "Tolm potřebuje grafické prostředí"
ENGLISH = "Tolm needs a graphical session"
# Bytes on standard error that a page of messages fits in.
SAID_AT_MOST = 4096
LONG = "x" * 100_000
MANY = ";".join(f"p{n}" for n in range(20_000))


def dead_display():
    """A display number no X server listens on."""
    for number in range(90, 400):
        if not any(os.path.exists(p) for p in (f"/tmp/.X11-unix/X{number}", f"/tmp/.X{number}-lock")):
            return f":{number}"
    raise AssertionError("every display number from 90 on is taken")


def cores_allowed():
    resource.setrlimit(resource.RLIMIT_CORE, (resource.RLIM_INFINITY, resource.RLIM_INFINITY))


def start(game, folder, arguments, extra):
    """The game in English unless `extra` sets the locale."""
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE", "LANGUAGE", "LC_ALL",
                        "LC_MESSAGES", "LANG")}
    env.update({"XDG_RUNTIME_DIR": folder, "LANG": "en_GB.UTF-8", **extra})
    return subprocess.Popen([game, *arguments], cwd=folder, env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                            text=True, preexec_fn=cores_allowed)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", required=True)
    parser.add_argument("--first-frame-plugin", required=True, help="the plugin that ends the game at its first frame")
    options = parser.parse_args()
    game = options.game
    # The folder that holds the plugin's generic/ folder.
    first_frame = {"QT_PLUGIN_PATH": os.path.dirname(os.path.dirname(os.path.abspath(options.first_frame_plugin))),
                   "QT_QPA_GENERIC_PLUGINS": "tolmfirstframe"}
    dead = dead_display()
    # What the environment lacks or the arguments ask, and how the line names the display tried.
    cases = [
        ("DISPLAY unset", [], {}, "an X display (DISPLAY is not set)"),
        ("DISPLAY unset, in Czech", [], {"LANG": "cs_CZ.UTF-8"}, "k displeji X (proměnná DISPLAY není nastavena)"),
        ("DISPLAY empty", [], {"DISPLAY": ""}, "an X display (DISPLAY is not set)"),
        ("no X server on the display", [], {"DISPLAY": dead}, f'X display "{dead}"'),
        ("a platform that does not exist", [], {"QT_QPA_PLATFORM": "tolm-none"}, '"tolm-none" platform'),
        ("Wayland without a compositor", [], {"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": "tolm-none"},
         'Wayland display "tolm-none"'),
        ("a -platform 100,000 letters long", ["-platform", LONG], {}, 'the "xxxxxxxxxx'),
        ("a --platform of 20,000 platforms", ["--platform", MANY], {},
         'the "p0" platform or to the "p1" platform or to the "p2" platform or to the others'),
        ("a DISPLAY 100,000 letters long", [], {"DISPLAY": LONG}, 'X display "xxxxxxxxxx'),
    ]
    failures = []
    for what, arguments, extra, place in cases:
        with tempfile.TemporaryDirectory(prefix="tolm-no-display-") as folder:
            os.chmod(folder, 0o700)
            process = start(game, folder, arguments, extra)
            out, err = process.communicate(timeout=60)
            lines = err.splitlines()
            cores = [f for f in os.listdir(folder) if f.startswith("core")]
            if process.returncode != 1:
                failures.append(f"{what}: status {process.returncode}, not 1")
            sentence = CZECH if "LANG" in extra else ENGLISH
            if out or len(lines) != 1 or sentence not in lines[0] or place not in lines[0]:
                failures.append(f"{what}: expected one line saying {sentence!r} naming {place}, got {err[:2000]!r}")
            if cores:
                failures.append(f"{what}: left a core dump {cores}")
            if len(err.encode()) >= SAID_AT_MOST:
                failures.append(f"{what}: said {len(err.encode())} bytes")

    # The toolkit warns of each platform it cannot find before it finds offscreen.
    starting = [
        ("offscreen", [], {"QT_QPA_PLATFORM": "offscreen", "DISPLAY": dead}),
        ("offscreen after 20,000 platforms that do not exist", ["-platform", f"{MANY};offscreen"], {"DISPLAY": dead}),
        ("offscreen after a platform 100,000 letters long", ["-platform", f"{LONG};offscreen"], {"DISPLAY": dead}),
    ]
    for what, arguments, extra in starting:
        with tempfile.TemporaryDirectory(prefix="tolm-offscreen-") as folder:
            os.chmod(folder, 0o700)
            process = start(game, folder, arguments, {**extra, **first_frame})
            try:
                out, err = process.communicate(timeout=60)
            except subprocess.TimeoutExpired:
                process.kill()
                out, err = process.communicate()
                failures.append(f"{what}: no first frame within a minute")
            else:
                if process.returncode != 0 or "painted=" not in out or CZECH in err or ENGLISH in err:
                    failures.append(f"{what}: the game did not paint its window (status {process.returncode}): "
                                    f"{out[:500]!r} {err[:2000]!r}")
            if len(err.encode()) >= SAID_AT_MOST:
                failures.append(f"{what}: said {len(err.encode())} bytes")

    finish(failures)


main()
