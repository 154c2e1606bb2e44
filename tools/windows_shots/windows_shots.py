#!/usr/bin/python3
"""Tolm.exe under Wine, for a look: the start, the town, a card's description and an ending, in
every language, on a 1280x800 screen under a window manager, into OUT/<lang>-<moment>.png.

    windows_shots.py --game Tolm.exe --probe window_probe.exe --facts realwindow_facts --out DIR
                     [--lang CODE ...]

Compare them with the Qt window's `make screenshot` and `make endings`.
"""
import argparse
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "windows"))
import wine_window  # noqa: E402
from wine_window import rw, wine  # noqa: E402

# An ending that walks through the town and holds a card on the way.
PATH = "Smůla with Card2"
TOWN = "T02"
SIZE = (1280, 800)


def shoot(screen, path):
    subprocess.run(["import", "-display", screen.display, "-window", "root", path], check=True)


def take(options, language, prefix):
    facts = rw.Facts(options.facts, language)
    ending = next(e for e in facts.endings if e["ending"] == PATH)
    screen = rw.Screen(SIZE, window_manager=True)
    run = argparse.Namespace(prefix=prefix, game=options.game, probe=options.probe, lang=language)
    probe = wine_window.Probe(run, screen)
    game = None
    try:
        game = wine_window.Game(run, screen, facts, probe)
        shoot(screen, os.path.join(options.out, f"{language}-start.png"))
        carded = False
        for step in ending["steps"]:
            if step["choice"] in step["covered"]:
                game.focus_on(step["choice"])
                game.keys("space")
            else:
                game.click(step["choice"])
            rw.wait_until(lambda: game.text("P") == step["story"], f"the story after {step['choice']}")
            if step["story"] == facts.texts[TOWN]:
                shoot(screen, os.path.join(options.out, f"{language}-town.png"))
            cards = [n for n in game.shown() if n.startswith("Card")]
            if cards and not carded:
                carded = True
                game.point_at(*game.scene.point(*facts.centre(cards[0])))
                rw.wait_until(lambda: "Popis" in game.shown(), "the card's description")
                shoot(screen, os.path.join(options.out, f"{language}-card.png"))
                game.point_at(*game.scene.point(465, 150))
        shoot(screen, os.path.join(options.out, f"{language}-ending.png"))
        game.click("Konec")
        game.exit_status()
    finally:
        if game:
            game.close()
        probe.close()
        screen.close()


def main():
    parser = argparse.ArgumentParser()
    for option in ("game", "probe", "facts", "out"):
        parser.add_argument(f"--{option}", required=True)
    parser.add_argument("--lang", action="append")
    options = parser.parse_args()
    os.makedirs(options.out, exist_ok=True)
    with tempfile.TemporaryDirectory(prefix="tolm-wine-") as folder:
        prefix = os.path.join(folder, "prefix")
        wine.setup(prefix)
        try:
            for language in options.lang or ["cs", "en"]:
                take(options, language, prefix)
        finally:
            wine.cleanup(prefix)
    print(f"Screenshots in {options.out}")


if __name__ == "__main__":
    main()
