"""The real pointer over an owned card shows its description in Popis; it stays over every
control and over the inventory frame, and goes only over the bare window surface. Checked in
the accessibility tree and in the pixels of Popis's place."""
import realwindow as rw

TO_CARD3 = [("Vyjít", "T23"), ("Jít", "T09"), ("Pokračovat", "T14"), ("Choice4", "T13"), ("Dál", "T02"),
            ("Visit2", "T22"), ("Buy3", "T27")]

# Where the pointer goes with the description shown, and whether it is still shown after.
def moves(facts):
    fx, fy, fw, fh = facts.controls["Frame1"]["rect"]
    return [
        ("the story label", facts.centre("P"), True),
        ("a picture", facts.centre("Picture5"), True),
        ("a button", facts.centre("Šlukonv"), True),
        ("the purse", facts.centre("peníze"), True),
        ("the inventory frame's bare corner", (fx + fw - 4, fy + fh - 4), True),
        ("the description itself", facts.centre("Popis"), True),
        ("inside the tally's outline", (facts.centre("Shape1")[0] + 60, facts.centre("Shape1")[1] + 40), False),
    ]


def test(game, options):
    facts = game.facts
    for choice, story in TO_CARD3:
        game.click(choice)
        rw.wait_until(lambda: game.name_of("P") == facts.texts[story], f"{choice} to show {story}")
    popis = facts.controls["Popis"]["rect"]
    rw.expect(game.find("Popis") is None, "Popis is shown before the pointer has been on a card")
    empty = game.screen.region(game.screen.shot(), popis)

    for where, point, stays in moves(facts):
        game.point_at(*facts.centre("Card3"))
        rw.wait_until(lambda: game.name_of("Popis") == facts.texts["D3"], "the pointer on Card3 to describe it")
        rw.expect(game.screen.region(game.screen.shot(), popis) != empty, "Popis shows nothing on the screen")
        game.point_at(*point)
        if stays:
            game.settle()
            rw.expect(game.name_of("Popis") == facts.texts["D3"], f"the description went over {where}")
        else:
            rw.wait_until(lambda: game.find("Popis") is None, f"the description to go over {where}")
            rw.expect(game.screen.region(game.screen.shot(), popis) == empty,
                      f"Popis's place is not bare again after the pointer went over {where}")


rw.run(test)
