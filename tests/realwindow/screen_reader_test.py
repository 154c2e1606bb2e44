"""What a screen reader gets over AT-SPI: exactly the eight controls of the first scene, with
their names and hints; a whole game played by pressing buttons through their accessibility
action, the story label's name following every press; and the name-changed events that announce
a new story text, purse or card description without the player hunting for them."""
import pyatspi

import realwindow as rw

# The choice pressed, the story text it brings, the purse after it.
PATH = [
    ("Vyjít", "T23", "0"),
    ("Jít", "T09", "0"),
    ("Usmrtit", "T20", "0"),
    ("Choice5", "T33", "0"),
    ("Pokračovat", "T14", "0"),
    ("Choice4", "T13", "0"),
    ("Dál", "T02", "10000"),
    ("Visit1", "T01", "10000"),
    ("Zpět", "T34", "10000"),  # under Vyrazit: out of the mouse's reach, not of a screen reader's
    ("Visit3", "T12", "10400"),
    ("Dál2", "T03", "10400"),
    ("Visit2", "T22", "10400"),
    ("Buy3", "T27", "6400"),
    ("Šlukonv", "T19", "6392"),
    ("Dál3", "T04", "6392"),
    ("Dát", "T07", "6392"),
    ("Dál4", "T05", "6392"),
    ("Choice1", "T30", "5392"),
]

# Every name-changed event: the control it came from, and that control's name on arrival.
announced = []


def listen():
    pyatspi.Registry.registerEventListener(lambda e: announced.append((e.source, e.source.name)),
                                           "object:property-change:accessible-name")


def announcement(source, name, since, what):
    """Waits for an event announcing the name, among those that came after the first `since`."""
    rw.wait_until(lambda: (source, name) in announced[since:], f"the announcement of {what}")


def expected_name(facts, name):
    # peníze starts empty and Form_Load writes 0; the outline has no caption, only a description.
    return {"peníze": "0", "Shape1": facts.texts["A15"]}.get(name, facts.controls[name].get("caption"))


def test(game, options):
    facts = game.facts
    first_scene = facts.shown_at_start()
    seen = sorted((a.getRoleName(), a.name) for a in game.showing())
    expected = sorted((rw.ROLES[facts.controls[n]["kind"]], expected_name(facts, n)) for n in first_scene)
    rw.expect(seen == expected, f"the first scene shows {seen}, expected exactly {expected}")
    for name in first_scene:
        control = game.find(name)
        rw.expect(control is not None, f"{name} is not shown at its place in the layout")
        hint = facts.controls[name].get("tooltip", "")
        rw.expect(control.description == hint, f"{name} describes itself as {control.description!r}, not {hint!r}")

    story = game.find("P")
    for step, (choice, key, purse) in enumerate(PATH, 1):
        where = f"step {step}, {choice}"
        button = game.find(choice)
        rw.expect(button is not None, f"{where}: the button is not shown")
        # The events of the step before have all come: they left the game ahead of its reply
        # to the last question asked of it.
        since = len(announced)
        rw.press(button)
        rw.wait_until(lambda: story.name == facts.texts[key], f"{where}: the story label to read {key}")
        announcement(story, facts.texts[key], since, f"{where}: the story text {key}")
        money = game.find("peníze")
        rw.expect(money.name == purse, f"{where}: the purse reads {money.name}, not {purse}")
        if step > 1 and purse != PATH[step - 2][2]:
            announcement(money, purse, since, f"{where}: the purse {purse}")
        if choice == "Buy3":
            since = len(announced)
            game.point_at(*facts.centre("Card3"))
            popis = rw.wait_until(lambda: game.find("Popis"), "the pointer on Card3 to show Popis")
            announcement(popis, facts.texts["D3"], since, "the description of Card3")
            rw.expect(game.find("Card3").description == facts.texts["D3"], "Card3 does not describe itself")

    buttons = {a.name for a in game.showing() if a.getRoleName() == rw.ROLES["button"]}
    rw.expect(buttons == {facts.controls["Konec"]["caption"]}, f"after the ending the buttons left are {buttons}")


rw.run(test, listen)
