"""Every ending of the story played by keyboard alone, a fresh game for each: Tab to the choice,
then Return. After every choice the focus is on a choice whenever one is shown, and on Konec
only at an ending, where Return on it ends the program with status 0."""
import realwindow as rw


def play(game, ending, steps):
    for step, s in enumerate(steps, 1):
        choice = s["choice"]
        where = f"ending {ending}, step {step}, {choice}"
        game.focus_on(choice, "Tab")
        button = game.find(choice)
        game.keys("Return")
        # A choice that changes nothing (a penniless Šlukonv) leaves its button where it is.
        rw.wait_until(lambda: game.name_of("P") == s["story"] and (s["stays"] or game.find(choice) != button),
                      f"{where}: Return to choose it and show {s['key']}")
        rw.expect(game.process.poll() is None, f"{where}: the game ended")
        choices_left = game.check_focus(where)
        rw.expect(choices_left or step == len(steps), f"{where}: no choice is left before the ending")
    if choices_left:
        game.focus_on("Konec", "Tab")
    game.keys("Return")
    status = game.exit_status()
    rw.expect(status == 0, f"ending {ending}: Return on Konec ended the program with status {status}")


def test(game, options):
    # Each ending once, by the first of its ways that the shared playthroughs take.
    endings = [e for e in game.facts.endings if not e["again"]]
    for n, ending in enumerate(endings):
        if n > 0:
            game.restart()
        play(game, ending["ending"], ending["steps"])


rw.run(test)
