"""Tolm.exe on an X server under Wine, driven with real X input (xdotool) and read through its
standard controls by window_probe.exe, as a screen reader reads them: for the window tests and
`make windows-shots`."""
import json
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "realwindow"))
import realwindow as rw  # noqa: E402
import wine  # noqa: E402

FIRST_CONTROL_ID = 100
FIRST_WINDOW_PATIENCE = 180.0


class Probe:
    """window_probe.exe on the screen, reading whichever game window is there now."""

    def __init__(self, options, screen):
        self.process = subprocess.Popen([wine.LOADER, options.probe], env=wine.environment(options.prefix, screen.display),
                                        stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, encoding="utf-8",
                                        preexec_fn=rw.dies_with_us)

    def state(self):
        self.process.stdin.write("state\n")
        self.process.stdin.flush()
        return json.loads(self.process.stdout.readline())

    def close(self):
        self.process.stdin.close()
        self.process.wait()


class Game:
    """Tolm.exe in the test run's Wine prefix, read by a probe."""

    def __init__(self, options, screen, facts, probe):
        self.options, self.screen, self.facts, self.probe = options, screen, facts, probe
        self.names = list(facts.controls)
        self.env = wine.environment(options.prefix, screen.display)
        asked = ["--lang", options.lang or "cs"]
        self.process = subprocess.Popen([wine.LOADER, options.game, *asked], env=self.env, preexec_fn=rw.dies_with_us)
        # The first window of a fresh prefix waits for Wine to read the system's fonts.
        patience, rw.PATIENCE = rw.PATIENCE, FIRST_WINDOW_PATIENCE
        try:
            self.window_id = rw.wait_until(self.x_window, "the window titled Tolm on the screen")
        finally:
            rw.PATIENCE = patience
        rw.wait_until(lambda: self.state()["found"] and self.focused(), "the window with a focused button")
        self.xdotool("windowactivate", "--sync", self.window_id)
        self.scene = rw.Scene(facts, self.state()["client"])

    def x_window(self):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{self.facts.title}$"],
                               capture_output=True, text=True, env=dict(os.environ, DISPLAY=self.screen.display)).stdout
        return found.split()[0] if found.split() else None

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True, timeout=rw.PATIENCE,
                              env=dict(os.environ, DISPLAY=self.screen.display)).stdout

    def state(self):
        return self.probe.state()

    def controls(self):
        return {self.names[c["id"] - FIRST_CONTROL_ID]: c for c in self.state()["controls"]}

    def shown(self):
        return {name: c for name, c in self.controls().items() if c["visible"]}

    def text(self, name):
        return self.controls()[name]["text"]

    def focused(self):
        focus = self.state()["focus"]
        return self.names[focus - FIRST_CONTROL_ID] if focus >= FIRST_CONTROL_ID else None

    def keys(self, *keys):
        self.xdotool("key", "--delay", "30", *keys)

    def click_at(self, x, y):
        self.point_at(x, y)
        self.xdotool("click", "1")

    def click(self, name):
        self.click_at(*self.scene.point(*self.facts.centre(name)))

    def point_at(self, x, y):
        fields = dict(line.split("=", 1) for line in self.xdotool("getmouselocation", "--shell").split())
        # --sync waits for the pointer to move, which it never does when it is there already.
        if (int(fields["X"]), int(fields["Y"])) != (x, y):
            self.xdotool("mousemove", "--sync", str(x), str(y))

    def focus_on(self, name):
        for _ in range(len(self.facts.controls)):
            if self.focused() == name:
                return
            before = self.focused()
            self.keys("Tab")
            rw.wait_until(lambda: self.focused() != before, f"Tab to move the focus on from {before}")
        raise rw.Failure(f"Tab never brought the focus to {name}")

    def choices(self):
        return [n for n, c in self.shown().items() if self.facts.controls[n]["kind"] == "button" and n != "Konec"]

    def check_focus(self, where):
        """After a choice the focus is on a choice while one is shown, on Konec only at an ending."""
        def settled():
            choices, focused = self.choices(), self.focused()
            return (focused in choices) if choices else focused == "Konec"
        rw.wait_until(settled, f"{where}: the focus on a choice, or on Konec at the ending "
                               f"(it is on {self.focused()}, choices {self.choices()})")
        return bool(self.choices())

    def check_stacking(self, where):
        """The focused control in front of all, the others in window order with the first row in front:
        a choice raised while it held the focus goes back to its place. The probe lists the controls front
        to back, each container's children just after it."""
        state = self.state()
        order = [c["id"] for c in state["controls"]]
        rest = [i for i in order if i != state["focus"]]
        names = [self.names[i - FIRST_CONTROL_ID] for i in order]
        rw.expect(order[0] == state["focus"] and rest == sorted(rest), f"{where}: the controls stacked {names}")

    def exit_status(self):
        try:
            return self.process.wait(timeout=rw.PATIENCE)
        except subprocess.TimeoutExpired:
            raise rw.Failure("the game did not end") from None

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
        self.process.wait()
