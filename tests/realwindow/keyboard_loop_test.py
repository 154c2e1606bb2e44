"""The Visit3 loop with real keys: Tab and Shift+Tab walk the focus, Space and Return choose.
Zpět lies under Vyrazit, so a player reaches it, and the loop, only this way. Each pass adds
400 to the purse. Konec, chosen from the keyboard too, ends the program with status 0."""
import realwindow as rw

TO_TOWN = [("Vyjít", "T23"), ("Jít", "T09"), ("Pokračovat", "T14"), ("Choice4", "T13"), ("Dál", "T02")]
LOOP = [("Visit3", "T12"), ("Dál2", "T03"), ("Visit1", "T01"), ("Zpět", "T34")]
PASSES = 3


def test(game, options):
    facts = game.facts
    for choice, story in TO_TOWN:
        game.click(choice)
        rw.wait_until(lambda: game.name_of("P") == facts.texts[story], f"{choice} by mouse to show {story}")

    purse = 10000
    for n in range(PASSES):
        for step, (choice, story) in enumerate(LOOP):
            # Both directions of the focus and both activation keys get their turn.
            game.focus_on(choice, "Tab" if (n + step) % 2 == 0 else "shift+Tab")
            game.keys("space" if step % 2 == 0 else "Return")
            rw.wait_until(lambda: game.name_of("P") == facts.texts[story],
                          f"pass {n + 1}: {choice} from the keyboard to show {story}")
            if choice == "Visit3":
                purse += 400
            rw.expect(game.name_of("peníze") == str(purse),
                      f"pass {n + 1}, {choice}: the purse shows {game.name_of('peníze')}, not {purse}")
            if choice == "Visit1":
                vyrazit, zpet = (facts.controls[c]["rect"] for c in ("Vyrazit", "Zpět"))
                rw.expect(vyrazit == zpet and game.find("Vyrazit") and game.find("Zpět"),
                          "Vyrazit and Zpět should both be shown, one over the other")

    game.focus_on("Konec", "Tab")
    game.keys("space")
    status = game.exit_status()
    rw.expect(status == 0, f"Konec from the keyboard ended the program with status {status}")


rw.run(test)
