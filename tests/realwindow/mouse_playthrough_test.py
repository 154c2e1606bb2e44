"""A whole game to an ending with real mouse clicks at the buttons' places on a real X screen;
after every click the story (read from the accessibility tree), the purse and the pixels of the
picture rectangle show the scene that click leads to, and the focus is on a choice shown (or on
Konec once none is). Konec then ends the program with status 0."""
import subprocess

import realwindow as rw

# The game played: the way to the paid ending, as the shared playthroughs take it. Each step names
# the choice, the story it brings, the purse shown and the picture in front after it (None: the bare
# window).
ENDING = "Choice1"

# Between the story label and the picture rectangle: bare in every scene.
BARE_POINT = (470, 150)


def picture_pixels(options, stem, size):
    width, height = size
    # The box shows its picture from the top-left corner, cut off at the box's edges.
    return subprocess.run(["convert", f"{options.art}/{stem}.bmp", "-crop", f"{width}x{height}+0+0",
                           "+repage", "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout


def test(game, options):
    facts = game.facts
    rw.expect(game.geometry() == (0, 0, *facts.client),
              f"without a window manager the window should open at 0,0 with its restored client area "
              f"{facts.client}, not {game.geometry()}")
    place = facts.controls["Picture1"]["rect"]
    pictures = {name: picture_pixels(options, c["picture"], place[2:])
                for name, c in facts.controls.items() if c["kind"] == "picture"}

    steps = next(e["steps"] for e in facts.endings if e["ending"] == ENDING)
    for step, s in enumerate(steps, 1):
        choice, front, purse = s["choice"], s["front"], s["purse"]
        where = f"step {step}, {choice}"
        rw.expect(game.find(choice) is not None, f"{where}: the button is not shown where the layout puts it")
        game.click(choice)
        rw.wait_until(lambda: game.name_of("P") == s["story"], f"{where}: the story text {s['key']}")
        rw.expect(game.name_of("peníze") == purse, f"{where}: the purse shows {game.name_of('peníze')}, not {purse}")
        # A click that hides its button leaves the keyboard on a choice too, never on Konec.
        game.check_focus(where)
        shot = game.screen.shot()
        seen = game.screen.region(shot, place)
        if front:
            rw.expect(seen == pictures[front], f"{where}: the picture rectangle does not show {front}")
        else:
            bare = game.screen.region(shot, (*BARE_POINT, 1, 1))
            rw.expect(seen == bare * (place[2] * place[3]), f"{where}: the picture rectangle is not bare")

    buttons = {a.name for a in game.showing() if a.getRoleName() == rw.ROLES["button"]}
    rw.expect(buttons == {facts.controls["Konec"]["caption"]}, f"after the ending the buttons left are {buttons}")
    game.click("Konec")
    status = game.exit_status()
    rw.expect(status == 0, f"Konec ended the program with status {status}")


rw.run(test)
