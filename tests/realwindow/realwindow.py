"""The real-window tests' common ground: an X server and a D-Bus session of their own, the built
game inside them, the player's hands (xdotool), and two ways to see the window: screenshots
(ImageMagick) and the accessibility tree that screen readers read (AT-SPI).

A test script calls run(test) with the command line that CTest gives it:
    --game <tolm> --facts <realwindow_facts> --art <folder of the drawn pictures> [--lang <code>]
With --lang the game plays in that language, and the facts give its words in it.
"""
import argparse
import ctypes
import glob
import json
import math
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

# CTest's SKIP_RETURN_CODE for these tests: a missing tool is not a failing game. Where every
# tool should be there (`make test`, after `make deps`), TOLM_TOOLS_REQUIRED=1 makes it a failure,
# so that a run where most of these tests did nothing cannot pass for a clean one.
SKIP = 77

# The programs the tests run, with the Debian package that brings each.
PROGRAMS = {
    "Xvfb": "xvfb",
    "xdotool": "xdotool",
    "import": "imagemagick",
    "convert": "imagemagick",
    "dbus-run-session": "dbus",
    "xwininfo": "x11-utils",
    "xprop": "x11-utils",
}
AT_SPI_BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
WAYLAND_PLUGIN = "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so"

# Qt's roles for the kinds of control, as AT-SPI names them.
ROLES = {"button": "push button", "label": "label", "picture": "filler", "frame": "panel", "shape": "filler"}

# Long enough for a loaded machine or a sanitizer build; a working game answers in milliseconds.
PATIENCE = 30.0


def skip(why):
    if os.environ.get("TOLM_TOOLS_REQUIRED") == "1":
        print(f"FAIL: {why}")
        sys.exit(1)
    print(f"SKIP: {why}")
    sys.exit(SKIP)


def check_tools(compositor):
    if compositor is Weston:
        if not shutil.which("weston"):
            skip("weston is missing (Debian package weston; `make deps` installs it)")
        if not glob.glob(WAYLAND_PLUGIN):
            skip("Qt's Wayland platform plugin is missing (Debian package qt6-wayland; `make deps` installs it)")
    for program, package in PROGRAMS.items():
        if not shutil.which(program):
            skip(f"{program} is missing (Debian package {package}; `make deps` installs it)")
    if not os.access(AT_SPI_BUS_LAUNCHER, os.X_OK):
        skip(f"{AT_SPI_BUS_LAUNCHER} is missing (Debian package at-spi2-core)")
    try:
        import pyatspi  # noqa: F401
        from gi.repository import GLib  # noqa: F401
    except ImportError as e:
        skip(f"{e} (Debian packages python3-pyatspi and python3-gi, for /usr/bin/python3)")


def in_own_bus():
    """Runs the script again inside a D-Bus session of its own, where the accessibility bus
    starts on demand; returns only in that second run, with a private runtime folder."""
    if os.environ.get("TOLM_REALWINDOW_BUS") == "own":
        return
    # The accessibility bus puts its socket in the runtime folder: a shared one would let two
    # tests running side by side take each other's bus.
    runtime = tempfile.mkdtemp(prefix="tolm-realwindow-")
    env = dict(os.environ, TOLM_REALWINDOW_BUS="own", XDG_RUNTIME_DIR=runtime, PYTHONDONTWRITEBYTECODE="1")
    try:
        status = subprocess.run(["dbus-run-session", "--", sys.executable, *sys.argv], env=env).returncode
    finally:
        shutil.rmtree(runtime, ignore_errors=True)
    sys.exit(status)


def dies_with_us():
    """For the programs the script starts: should the script itself die, they end too."""
    PR_SET_PDEATHSIG = 1
    ctypes.CDLL(None).prctl(PR_SET_PDEATHSIG, signal.SIGTERM)


class Failure(AssertionError):
    pass


def expect(condition, message):
    if not condition:
        raise Failure(message)


def pump():
    """Lets AT-SPI deliver the events that have arrived."""
    from gi.repository import GLib
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def press(accessible):
    """Presses a button through its accessibility action, as a screen reader does."""
    action = accessible.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    expect("Press" in names, f"{accessible.name!r} offers no Press action, only {names}")
    action.doAction(names.index("Press"))


def wait_until(condition, what):
    deadline = time.monotonic() + PATIENCE
    while True:
        pump()
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"waited in vain for {what}")
        time.sleep(0.05)


class Facts:
    """The layout table and the texts, as the game is built from them."""

    def __init__(self, program, language=None):
        asked = ["--lang", language] if language else []
        data = json.loads(subprocess.run([program, *asked], check=True, capture_output=True, text=True).stdout)
        self.title = data["title"]
        self.client = tuple(data["client"])
        self.controls = {c["name"]: c for c in data["controls"]}
        self.texts = data["texts"]
        self.endings = data["endings"]

    def centre(self, name):
        x, y, w, h = self.controls[name]["rect"]
        return x + w // 2, y + h // 2

    def shown_at_start(self):
        return [name for name, c in self.controls.items() if c["shownAtStart"]]


class Screen:
    """An X server of its own, on a display number it picks itself; with a window manager
    (openbox) on it when asked, which maximizes windows and puts them in full screen."""

    def __init__(self, size=(1024, 768), window_manager=False):
        read, write = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", f"{size[0]}x{size[1]}x24", "-nolisten", "tcp", "-noreset"],
            pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, preexec_fn=dies_with_us)
        os.close(write)
        with os.fdopen(read) as reply:
            number = reply.readline().strip()
        expect(number, "Xvfb did not start")
        self.display = f":{number}"
        self.size = size
        self.window_manager = None
        if window_manager:
            self.window_manager = subprocess.Popen(["openbox", "--config-file", "/dev/null"],
                                                   env=dict(os.environ, DISPLAY=self.display),
                                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                                   preexec_fn=dies_with_us)
            wait_until(lambda: "window id" in self.root_property("_NET_SUPPORTING_WM_CHECK"),
                       "the window manager to start")
            # It names itself a moment before it manages the windows that appear.
            time.sleep(0.5)

    def root_property(self, name):
        return subprocess.run(["xprop", "-root", name], capture_output=True, text=True,
                              env=dict(os.environ, DISPLAY=self.display)).stdout

    def environment(self):
        return {"DISPLAY": self.display, "QT_QPA_PLATFORM": "xcb"}

    def window_of(self, game):
        """The game's window, found by its title as X lists it."""
        found = game.xdotool("search", "--sync", "--onlyvisible", "--name", f"^{game.facts.title}$").split()
        expect(len(found) == 1, f"expected one window titled {game.facts.title}, found {found}")
        return found[0]

    def close(self):
        for process in (self.window_manager, self.process):
            if process:
                process.terminate()
                process.wait()

    def shot(self):
        """The whole screen, three bytes a pixel."""
        raw = subprocess.run(["import", "-display", self.display, "-window", "root", "-depth", "8", "rgb:-"],
                             check=True, capture_output=True).stdout
        expect(len(raw) == self.size[0] * self.size[1] * 3, "the screenshot has an unexpected size")
        return raw

    def region(self, shot, rect):
        x, y, w, h = rect
        row = self.size[0] * 3
        return b"".join(shot[(y + j) * row + x * 3:(y + j) * row + (x + w) * 3] for j in range(h))


def nearest(value):
    return math.floor(value + 0.5)


class Scene:
    """Where the game draws its scene in a client area: the layout's pixels times one factor,
    centred. Maps the layout's places to the screen's."""

    def __init__(self, facts, client):
        self.x, self.y, width, height = client
        scene_width, scene_height = facts.client
        self.factor = min(width / scene_width, height / scene_height)
        self.offset = ((width - scene_width * self.factor) / 2, (height - scene_height * self.factor) / 2)

    def point(self, x, y):
        return (self.x + nearest(self.offset[0] + x * self.factor),
                self.y + nearest(self.offset[1] + y * self.factor))

    def rect(self, rect):
        x, y, w, h = rect
        left, top = self.point(x, y)
        right, bottom = self.point(x + w, y + h)
        return [left, top, right - left, bottom - top]


class Weston:
    """A Wayland compositor of its own: Debian's weston on its headless backend, its socket in the
    test's private runtime folder. It places and sizes the window itself, and has no X display:
    there the game is seen and driven through AT-SPI alone."""

    def __init__(self):
        self.socket = f"tolm-{os.getpid()}"
        path = os.path.join(os.environ["XDG_RUNTIME_DIR"], self.socket)
        self.log = tempfile.TemporaryFile("w+")
        command = ["weston", "--backend=headless-backend.so", "--no-config", "--idle-time=0",
                   "--width=1280", "--height=1024", f"--socket={self.socket}"]
        self.process = subprocess.Popen(command, stdout=self.log, stderr=subprocess.STDOUT, preexec_fn=dies_with_us)
        wait_until(lambda: os.path.exists(path) or self.process.poll() is not None, "weston's socket")
        if self.process.poll() is not None:
            self.log.seek(0)
            raise Failure(f"weston ended with {self.process.returncode}:\n{self.log.read()}")

    def environment(self):
        return {"WAYLAND_DISPLAY": self.socket, "QT_QPA_PLATFORM": "wayland", "DISPLAY": ""}

    def window_of(self, game):
        return None

    def close(self):
        self.process.terminate()
        self.process.wait()
        self.log.close()


class Game:
    """The built game on the screen, seen through AT-SPI and driven through X (on Wayland, through
    AT-SPI alone)."""

    def __init__(self, options, screen, facts):
        self.options, self.screen, self.facts = options, screen, facts
        self.start()

    def start(self):
        import pyatspi
        self.log = tempfile.TemporaryFile("w+")
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", **self.screen.environment())
        asked = ["--lang", self.options.lang] if self.options.lang else []
        self.process = subprocess.Popen([self.options.game, *asked], env=env, stdout=self.log, stderr=subprocess.STDOUT,
                                        preexec_fn=dies_with_us)
        self.window_id = self.screen.window_of(self)
        self.app = wait_until(lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                            if a is not None and a.get_process_id() == self.process.pid), None),
                              "the game to appear on the accessibility bus")
        self.window = wait_until(lambda: next((w for w in self.app if w.name == self.facts.title), None),
                                 "the window in the accessibility tree")
        # Where the compositor keeps the window to itself, the scene is found through AT-SPI alone.
        self.scene = Scene(self.facts, self.client_area()) if self.window_id else None

    def restart(self):
        """A new game in a new process, once this one has ended."""
        self.close()
        self.start()

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait()
        self.log.close()

    def output(self):
        self.log.seek(0)
        return self.log.read()

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True, timeout=PATIENCE,
                              env=dict(os.environ, DISPLAY=self.screen.display)).stdout

    def geometry(self):
        fields = dict(line.split("=", 1) for line in self.xdotool("getwindowgeometry", "--shell",
                                                                  self.window_id).split())
        return int(fields["X"]), int(fields["Y"]), int(fields["WIDTH"]), int(fields["HEIGHT"])

    def client_area(self):
        """The window's inside on the screen: x, y, width, height."""
        info = subprocess.run(["xwininfo", "-id", self.window_id], check=True, capture_output=True, text=True,
                              env=dict(os.environ, DISPLAY=self.screen.display)).stdout
        fields = dict(line.strip().split(":", 1) for line in info.splitlines() if ":" in line)
        return tuple(int(fields[key]) for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

    def rescaled(self, size):
        """Waits for the window manager to give the window that client size, then maps the
        scene anew."""
        wait_until(lambda: self.client_area()[2:] == size, f"a client area of {size[0]}×{size[1]}")
        self.scene = Scene(self.facts, self.client_area())

    # The player's hands, aimed at the places where the scene is drawn.
    def click(self, name):
        self.point_at(*self.scene.point(*self.facts.centre(name)))
        self.xdotool("click", "1")

    def point_at(self, x, y):
        fields = dict(line.split("=", 1) for line in self.xdotool("getmouselocation", "--shell").split())
        # --sync waits for the pointer to move, which it never does when it is there already.
        if (int(fields["X"]), int(fields["Y"])) != (x, y):
            self.xdotool("mousemove", "--sync", str(x), str(y))

    def keys(self, *keys):
        # Without a window manager nobody gives the window the keyboard: the player does.
        self.xdotool("windowfocus", "--sync", self.window_id, "key", "--delay", "20", *keys)

    def focus_on(self, name, key="Tab"):
        """Presses key (Tab or shift+Tab) until the focus is on the named button."""
        target = self.find(name)
        expect(target is not None, f"{name} is not shown")
        # A window shows its focused button only once it has the keyboard.
        self.xdotool("windowfocus", "--sync", self.window_id)
        for _ in range(len(self.showing()) + 1):
            now = wait_until(self.focused, "a focused button")
            if now == target:
                return
            self.keys(key)
            wait_until(lambda: self.focused() not in (None, now), f"the focus to move on from {now.name!r}")
        raise Failure(f"{key} never brought the focus to {name}")

    def check_focus(self, where):
        """After a choice the focus is on a choice whenever one is shown, and on Konec only when
        none is; returns whether a choice is shown."""
        konec = self.facts.controls["Konec"]["caption"]
        choices = [a for a in self.showing() if a.getRoleName() == ROLES["button"] and a.name != konec]
        self.xdotool("windowfocus", "--sync", self.window_id)
        focused = wait_until(self.focused, f"{where}: a focused button")
        if choices:
            expect(focused in choices,
                   f"{where}: the focus is on {focused.name!r}, not on one of the choices {[a.name for a in choices]}")
        else:
            expect(focused.name == konec, f"{where}: at the ending the focus is on {focused.name!r}, not on Konec")
        return bool(choices)

    def settle(self):
        """Returns once the game has handled every pointer move sent so far: X delivers input in
        order, so when a Tab sent after them has moved the focus, they are done too."""
        before = wait_until(self.focused, "a focused button")
        self.keys("Tab")
        wait_until(lambda: self.focused() not in (None, before), "Tab to move the focus")

    # The accessibility tree.
    def accessibles(self):
        """Every control of the window, the frame's children included."""
        out = []
        for child in self.window:
            out.append(child)
            if child.getRoleName() == ROLES["frame"]:
                out.extend(child)
        return out

    def showing(self):
        import pyatspi
        return [a for a in self.accessibles() if a.getState().contains(pyatspi.STATE_SHOWING)]

    def find(self, name):
        """The shown control of that name, told apart by role, place and fixed caption."""
        import pyatspi
        control = self.facts.controls[name]
        matches = []
        place = self.scene.rect(control["rect"])
        for a in self.showing():
            extents = a.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            if a.getRoleName() != ROLES[control["kind"]]:
                continue
            if any(abs(got - want) > 1 for got, want in
                   zip([extents.x, extents.y, extents.width, extents.height], place)):
                continue
            if control["kind"] == "button" and a.name != control["caption"]:
                continue
            matches.append(a)
        expect(len(matches) <= 1, f"{len(matches)} shown controls could be {name}")
        return matches[0] if matches else None

    def button(self, caption):
        """The shown button with that caption, wherever the window puts it."""
        found = [a for a in self.showing() if a.getRoleName() == ROLES["button"] and a.name == caption]
        expect(len(found) <= 1, f"{len(found)} shown buttons read {caption!r}")
        return found[0] if found else None

    def name_of(self, name):
        found = self.find(name)
        return found.name if found else None

    def focused(self):
        import pyatspi
        return next((a for a in self.showing() if a.getState().contains(pyatspi.STATE_FOCUSED)), None)

    def describe(self):
        lines = [f"  {a.getRoleName()} {a.name!r}" for a in self.showing()]
        return "shown now:\n" + "\n".join(lines)

    def exit_status(self):
        try:
            return self.process.wait(timeout=PATIENCE)
        except subprocess.TimeoutExpired:
            raise Failure("the game did not end") from None


def run(test, before_game=None, screen_size=(1024, 768), window_manager=False, compositor=None):
    """Runs test(game, options) on a fresh screen: an X server of that size, under a window
    manager if asked, or a compositor of its own (Weston); before_game() first if given (to
    listen to AT-SPI before the game says anything); prints what went wrong and ends the script."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", required=True)
    parser.add_argument("--facts", required=True)
    parser.add_argument("--art", required=True)
    parser.add_argument("--lang")
    options = parser.parse_args()
    check_tools(compositor)
    if window_manager and not shutil.which("openbox"):
        skip("openbox is missing (Debian package openbox; `make deps` installs it)")
    in_own_bus()
    facts = Facts(options.facts, options.lang)
    screen = compositor() if compositor else Screen(screen_size, window_manager)
    game = None
    try:
        if before_game:
            before_game()
        game = Game(options, screen, facts)
        test(game, options)
        # Every test ends the game as a player does; a sanitizer build reports leaks only then.
        if game.process.poll() is None:
            if game.window_id:
                game.click("Konec")
            else:
                press(game.button(facts.controls["Konec"]["caption"]))
        status = game.exit_status()
        expect(status == 0, f"the game ended with status {status}")
    except Failure as failure:
        print(f"FAIL: {failure}")
        if game:
            print(game.describe() if game.process.poll() is None else f"the game ended with {game.process.returncode}")
            print("the game's output:\n" + game.output())
        sys.exit(1)
    except Exception:
        traceback.print_exc()
        sys.exit(1)
    finally:
        if game:
            game.close()
        screen.close()
    print("PASS")
