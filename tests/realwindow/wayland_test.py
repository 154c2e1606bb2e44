"""The game on Wayland itself, with no X server: Debian's weston on its headless backend, the
game with QT_QPA_PLATFORM=wayland, played through the accessibility interface (nothing like
xdotool reaches a Wayland window) from the first scene to the town, then ended with Konec."""
import realwindow as rw

# The choice pressed, the story text it brings, the purse after it.
PATH = [("Vyjít", "T23", "0"), ("Jít", "T09", "0"), ("Pokračovat", "T14", "0"), ("Choice4", "T13", "0"),
        ("Dál", "T02", "10000")]


def shown_label(game, text):
    return next((a for a in game.showing() if a.getRoleName() == rw.ROLES["label"] and a.name == text), None)


def test(game, options):
    import pyatspi

    facts = game.facts
    # The compositor, not the game, decides where the window goes; it does maximize it.
    extents = game.window.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
    print(f"weston gave the window {extents.width}x{extents.height}")
    rw.expect(extents.width > facts.client[0] and extents.height > facts.client[1],
              f"the window is {extents.width}x{extents.height}, not maximized beyond {facts.client}")
    rw.expect(shown_label(game, facts.texts["T00"]), "the first scene's story is not shown")

    for step, (choice, story, purse) in enumerate(PATH, 1):
        where = f"step {step}, {choice}"
        button = game.button(facts.controls[choice]["caption"])
        rw.expect(button is not None, f"{where}: the button is not shown")
        rw.press(button)
        rw.wait_until(lambda: shown_label(game, facts.texts[story]), f"{where}: the story text {story}")
        rw.expect(shown_label(game, purse), f"{where}: the purse does not show {purse}")

    rw.press(game.button(facts.controls["Konec"]["caption"]))
    status = game.exit_status()
    rw.expect(status == 0, f"Konec ended the game on Wayland with status {status}")


rw.run(test, compositor=rw.Weston)
