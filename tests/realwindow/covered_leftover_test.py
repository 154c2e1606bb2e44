"""A screen reader's press leaves the focus where it was. Played into the town by presses alone,
the focus must not stay on Chi, chi!, which the scene before left shown and the town's buttons
cover: held there, it would be drawn in front, and a click at Vyrazit's place would run Chi, chi!."""
import realwindow as rw

# The buttons pressed through their accessibility action on the way to the town.
PRESSED = ["Vyjít", "Jít", "Pokračovat", "Choice3", "Dál", "Visit1"]


def test(game, options):
    facts = game.facts
    # The window has the keyboard, as a player's window has: only then is the focused button drawn.
    game.xdotool("windowfocus", "--sync", game.window_id)
    for step, name in enumerate(PRESSED, 1):
        where = f"step {step}, {name}"
        button = rw.wait_until(lambda: game.find(name), f"{where}: the button to be shown")
        story = game.name_of("P")
        rw.press(button)
        rw.wait_until(lambda: game.name_of("P") != story, f"{where}: the press to tell its story")
    focused = rw.wait_until(game.focused, "a focused button in the town")
    for covered in ("Choice5", "Choice6", "Choice7", "Zpět"):
        rw.expect(game.find(covered) != focused, f"the focus stays on {covered}, behind another button")
    game.click("Vyrazit")
    rw.wait_until(lambda: game.name_of("P") == facts.texts["T26"],
                  f"a click at Vyrazit's place to tell T26; the story reads {game.name_of('P')!r}")


rw.run(test)
