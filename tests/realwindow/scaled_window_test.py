"""The game maximized by a real window manager on a 1920×1080 screen: the scene is scaled to the
window, and a real click at a button's scaled centre takes its choice, the real pointer over a
scaled card shows its description, a screen reader gets the scaled places, and F11 takes the
window to full screen and back, the scene following it each time."""
import realwindow as rw

SCREEN = (1920, 1080)
# Openbox's title bar takes 19 rows of the maximized window.
MAXIMIZED = (1920, 1061)

TO_CARD3 = [("Vyjít", "T23"), ("Jít", "T09"), ("Pokračovat", "T14"), ("Choice4", "T13"), ("Dál", "T02"),
            ("Visit2", "T22"), ("Buy3", "T27")]


def expect_konec_scaled(game, what):
    """The AT-SPI extents of Konec are its table rectangle scaled and centred, to a pixel."""
    import pyatspi
    facts = game.facts
    konec = next((a for a in game.showing() if a.name == facts.controls["Konec"]["caption"]), None)
    rw.expect(konec is not None, f"{what}: Konec is not in the accessibility tree")
    e = konec.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    got = [e.x, e.y, e.width, e.height]
    x, y, w, h = facts.controls["Konec"]["rect"]
    s, (dx, dy) = game.scene.factor, game.scene.offset
    wanted = [game.scene.x + dx + x * s, game.scene.y + dy + y * s, w * s, h * s]
    rw.expect(all(abs(a - b) <= 1 for a, b in zip(got, wanted)),
              f"{what}: Konec lies at {got}, its scaled place is {[round(v, 1) for v in wanted]}")


def story_is(game, key):
    return any(a.name == game.facts.texts[key] for a in game.showing())


def test(game, options):
    facts = game.facts
    game.rescaled(MAXIMIZED)
    rw.expect(game.scene.factor > 1.8, f"the scene is scaled only {game.scene.factor:.3f} times")
    expect_konec_scaled(game, "maximized")

    # Real clicks at the scaled centres, Vyjít first, on to the card that Buy3 gives.
    for choice, story in TO_CARD3:
        game.click(choice)
        rw.wait_until(lambda: story_is(game, story), f"a click at the scaled centre of {choice} to show {story}")

    rw.expect(game.find("Popis") is None, "Popis is shown before the pointer has been on a card")
    game.point_at(*game.scene.point(*facts.centre("Card3")))
    rw.wait_until(lambda: game.name_of("Popis") == facts.texts["D3"], "the pointer on the scaled Card3 to describe it")
    # The margin beside the centred scene is the window's bare surface: the description goes.
    game.point_at(game.scene.x + int(game.scene.offset[0] / 2), game.scene.y + 500)
    rw.wait_until(lambda: game.find("Popis") is None, "the description to go over the margin")

    game.keys("F11")
    game.rescaled(SCREEN)
    expect_konec_scaled(game, "full screen")
    game.keys("F11")
    game.rescaled(MAXIMIZED)
    expect_konec_scaled(game, "maximized again")
    # Escape leaves full screen too.
    game.keys("F11")
    game.rescaled(SCREEN)
    game.keys("Escape")
    game.rescaled(MAXIMIZED)


rw.run(test, screen_size=SCREEN, window_manager=True)
