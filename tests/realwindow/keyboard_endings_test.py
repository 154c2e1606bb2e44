"""Every ending of the story played by keyboard alone, a fresh game for each: Tab to the choice,
then Return. After every choice the focus is on a choice whenever one is shown, and on Konec
only at an ending, where Return on it ends the program with status 0."""
import realwindow as rw

# A penniless Šlukonv changes nothing: its button stays where it is.
STAYS = True

TOWN = [("Vyjít", "T23"), ("Jít", "T09"), ("Usmrtit", "T20"), ("Choice5", "T33"), ("Pokračovat", "T14"),
        ("Choice4", "T13"), ("Dál", "T02")]
# Each ending: the choices made, with the story each one brings.
ENDINGS = {
    "Choice2": [("Vyjít", "T23"), ("Jít", "T09"), ("Usmrtit", "T20"), ("Choice5", "T33"), ("Pokračovat", "T14"),
                ("Choice2", "T29")],
    "Choice5": [("Vyjít", "T23"), ("Jít", "T09"), ("Usmrtit", "T20"), ("Pokračovat", "T14"), ("Choice2", "T29"),
                ("Choice5", "T33")],
    "Pokračovat2": [("Vyjít", "T23"), ("Jít", "T09"), ("Pokračovat", "T14"), ("Choice6", "T32"), ("Choice2", "T29"),
                    ("Pokračovat2", "T15")],
    "Vyrazit": TOWN + [("Visit1", "T01"), ("Vyrazit", "T26")],
    "Smůla": TOWN + [("Visit2", "T22"), ("Buy4", "T21"), ("Šlukonv", "T19"), ("Dál3", "T04"), ("Pryč", "T16"),
                     ("Smůla", "T18")],
    "Dále": TOWN + [("Visit2", "T22"), ("Buy1", "T17"), ("Šlukonv", "T19"), ("Dál3", "T04"), ("Pryč", "T16"),
                    ("darovat", "T06"), ("Dál4", "T05"), ("Dále", "T05")],
    "Choice1": TOWN + [("Visit2", "T22"), ("Buy3", "T27"), ("Šlukonv", "T19"), ("Dál3", "T04"), ("Dát", "T07"),
                       ("Dál4", "T05"), ("Choice1", "T30")],
    # Without money the bus never leaves: the game is over, its buttons still shown.
    "Šlukonv without money": TOWN + [("Visit2", "T22"), ("Buy2", "T08"), ("Šlukonv", "T11", STAYS),
                                     ("Šlukonv", "T11", STAYS)],
}


def play(game, ending, steps):
    facts = game.facts
    for step, (choice, story, *stays) in enumerate(steps, 1):
        where = f"ending {ending}, step {step}, {choice}"
        game.focus_on(choice, "Tab")
        button = game.find(choice)
        game.keys("Return")
        rw.wait_until(lambda: game.name_of("P") == facts.texts[story] and (stays or game.find(choice) != button),
                      f"{where}: Return to choose it and show {story}")
        rw.expect(game.process.poll() is None, f"{where}: the game ended")
        choices_left = game.check_focus(where)
        rw.expect(choices_left or step == len(steps), f"{where}: no choice is left before the ending")
    if choices_left:
        game.focus_on("Konec", "Tab")
    game.keys("Return")
    status = game.exit_status()
    rw.expect(status == 0, f"ending {ending}: Return on Konec ended the program with status {status}")


def test(game, options):
    for n, (ending, steps) in enumerate(ENDINGS.items()):
        if n > 0:
            game.restart()
        play(game, ending, steps)


rw.run(test)
