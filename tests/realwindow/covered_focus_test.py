"""What has the focus can be seen, with real keys and a real pointer: on every scene of every
ending where a choice lies behind another, Tab draws the focused covered choice at its place (the
screen there changes from what it shows with the focus on Konec), and a choice of the path that
lies covered is taken by a click at its place once it has the focus. After every choice by mouse
the focus is on a choice in front, so the window keeps its own stacking."""
import realwindow as rw


def region(game, name):
    return game.screen.region(game.screen.shot(), game.scene.rect(game.facts.controls[name]["rect"]))


def test(game, options):
    facts = game.facts
    drawn, clicked = set(), set()
    for n, ending in enumerate(facts.endings):
        if n:
            game.click("Konec")
            rw.expect(game.exit_status() == 0, "Konec ends the game")
            game.restart()
        for step, s in enumerate(ending["steps"], 1):
            where = f"ending {ending['ending']}, step {step}"
            # A window shows its focused button only once it has the keyboard.
            game.xdotool("windowfocus", "--sync", game.window_id)
            focused = rw.wait_until(game.focused, f"{where}: a focused button")
            rw.expect(not any(game.find(c) == focused for c in s["covered"]),
                      f"{where}: after a choice by mouse the focus is on {focused.name!r}, behind another button")
            for name in s["covered"]:
                game.focus_on("Konec")
                under = region(game, name)
                game.focus_on(name)
                rw.expect(region(game, name) != under, f"{where}: {name} has the focus but is not drawn at its place")
                drawn.add(name)
            # The focus leaves the covered ones, which are drawn at their place only while they hold it.
            if s["covered"]:
                game.focus_on(s["choice"] if s["choice"] in s["covered"] else "Konec")
            if s["choice"] in s["covered"]:
                clicked.add(s["choice"])
            game.click(s["choice"])
            rw.wait_until(lambda: game.name_of("P") == s["story"], f"{where}: a click on {s['choice']} to tell its story")
    rw.expect(len(drawn) >= 2 and clicked, f"covered anywhere: {sorted(drawn)}; clicked: {sorted(clicked)}")
    print(f"covered choices drawn with the focus: {sorted(drawn)}; taken by a click in front: {sorted(clicked)}")


rw.run(test)
