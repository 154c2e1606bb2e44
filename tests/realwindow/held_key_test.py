"""A held Space, Return or keypad Enter takes one choice per hold, with both processor cores busy:
a slow game must not take the X server's repeats for new presses and play on by itself (once it
reached Konec that way). After every hold the story shows exactly the one choice, the focus is
on a choice, and the game plays on to Konec."""
import os
import subprocess
import sys
import time

import realwindow as rw

# The key held, the choice it is held on, the story that one choice brings. A second choice
# would change the story: the next choice after each of these is another button of the scene.
HOLDS = [("space", "Vyjít", "T23"), ("Return", "Zabít", "T28"), ("KP_Enter", "Jít", "T09")]

# Long enough for the server to repeat the key some fifty times.
HOLD_SECONDS = 2.5

# Each burner spins for at most this long, should the test itself hang.
BURN_SECONDS = 60


def burners():
    """One busy process per core, at the game's own priority."""
    spin = f"import time\nend = time.monotonic() + {BURN_SECONDS}\nwhile time.monotonic() < end: pass"
    return [subprocess.Popen([sys.executable, "-c", spin], preexec_fn=rw.dies_with_us)
            for _ in range(os.cpu_count() or 2)]


def test(game, options):
    facts = game.facts
    for key, choice, story in HOLDS:
        where = f"{key} held on {choice}"
        game.focus_on(choice)
        busy = burners()
        try:
            time.sleep(0.5)  # the cores are busy before the key goes down
            game.xdotool("windowfocus", "--sync", game.window_id, "keydown", key,
                         "sleep", str(HOLD_SECONDS), "keyup", key)
            rw.wait_until(lambda: game.name_of("P") == facts.texts[story], f"{where}: the story {story}")
            # Every key event sent so far has been handled once a Tab sent after them has.
            game.settle()
        finally:
            for burner in busy:
                burner.kill()
                burner.wait()
        rw.expect(game.process.poll() is None, f"{where}: the game ended")
        rw.expect(game.name_of("P") == facts.texts[story],
                  f"{where}: the story moved on past {story}: more than one choice was taken")
        rw.expect(game.find(choice) is None, f"{where}: {choice} is still shown")


rw.run(test)
