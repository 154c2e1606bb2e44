"""Tolm.exe's real window under Wine, on an X server of its own under a window manager: read through
its standard controls by a Windows program (window_probe.exe, as a screen reader reads them) and
played with real X input (xdotool).

    window_test.py --prefix DIR --game Tolm.exe --probe window_probe.exe
                   --facts realwindow_facts --art ART_DIR --check start|keyboard|mouse [--lang CODE]

start:    at scale 1 the first scene and its places, Konec's hint; in full screen a held key takes one
          choice and every scene stands at its places, the picture pixel for pixel; back to maximized,
          closing the window ends with status 0;
keyboard: every ending by Tab and Return, Konec by Return, on a second window size;
mouse:    every ending by clicks at the controls' places (a covered choice by Tab and Space), a
          card's description on hover and put away over the bare window, on a third size.
"""
import argparse
import json
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import wine_window  # noqa: E402
from wine_window import rw, wine  # noqa: E402

HOLDS = [("space", "Vyjít", "T23"), ("Return", "Zabít", "T28"), ("KP_Enter", "Jít", "T09")]
HOLD_SECONDS = 2.0
# Where the scene has no control: between the story and the picture.
BARE = (465, 150)
SIZES = {"start": (801, 700), "keyboard": (1024, 768), "mouse": (1280, 800)}


def places_keep_proportions(game, where):
    for name, control in game.shown().items():
        want = game.scene.rect(game.facts.controls[name]["rect"])
        rw.expect(all(abs(a - b) <= 1 for a, b in zip(control["rect"], want)),
                  f"{where}: {name} is at {control['rect']}, the scene puts it at {want}")


def picture_pixels(art, stem, width, height):
    """The BMP's top-left width x height pixels as RGB bytes, rows from the top."""
    with open(os.path.join(art, f"{stem}.bmp"), "rb") as f:
        data = f.read()
    bits_at = int.from_bytes(data[10:14], "little")
    full_width, full_height = int.from_bytes(data[18:22], "little"), int.from_bytes(data[22:26], "little")
    palette = [data[54 + 4 * i:54 + 4 * i + 3][::-1] for i in range(16)]
    row_bytes = (full_width * 4 + 31) // 32 * 4
    out = bytearray()
    for y in range(height):
        row = data[bits_at + (full_height - 1 - y) * row_bytes:]
        for x in range(width):
            pair = row[x // 2]
            out += palette[pair >> 4 if x % 2 == 0 else pair & 0x0F]
    return bytes(out)


def check_start(game, options):
    facts = game.facts
    rw.expect(game.scene.factor == 1, f"the screen gives a factor of {game.scene.factor}, not 1")
    state = game.state()
    rw.expect(state["title"] == facts.title, f"the title is {state['title']!r}")
    at_start = set(facts.shown_at_start()) - {"Shape1"}
    rw.expect(set(game.shown()) == at_start, f"shown at start: {sorted(game.shown())}, not {sorted(at_start)}")
    rw.expect(game.text("P") == facts.texts["T00"], "the story is not T00")
    rw.expect(game.focused() == "Vyjít", f"the focus starts on {game.focused()}, not on Vyjít")
    # Standard controls named by their captions, pictures by what a screen reader says for them.
    for name, control in game.controls().items():
        want = facts.controls[name].get("caption", facts.controls[name].get("altText"))
        if facts.controls[name]["kind"] in ("button", "picture", "frame"):
            rw.expect(control["text"] == want, f"{name} is named {control['text']!r}, not {want!r}")
    places_keep_proportions(game, "at scale 1")

    # The pointer resting on Konec shows its hint (another process cannot read a hint's words).
    game.point_at(*game.scene.point(*facts.centre("Konec")))
    rw.wait_until(lambda: game.state()["hints"], "Konec's hint")
    game.point_at(*game.scene.point(*BARE))

    # F11 fills the screen, the scene fitted to it; the choices below show controls that were
    # hidden when the scale changed.
    maximized = game.state()["client"]
    game.keys("F11")
    rw.wait_until(lambda: game.state()["client"] == [0, 0, *SIZES["start"]], "F11 to fill the screen")
    game.scene = rw.Scene(facts, game.state()["client"])
    places_keep_proportions(game, "in full screen")

    for key, choice, story in HOLDS:
        where = f"{key} held on {choice}"
        game.focus_on(choice)
        game.xdotool("keydown", key, "sleep", str(HOLD_SECONDS), "keyup", key)
        rw.wait_until(lambda: game.text("P") == facts.texts[story], f"{where}: the story {story}")
        places_keep_proportions(game, f"{where}, in full screen")
        # Every key sent so far has been handled once a Tab sent after them has.
        before = game.focused()
        game.keys("Tab")
        rw.wait_until(lambda: game.focused() != before, "Tab to move the focus")
        rw.expect(game.text("P") == facts.texts[story], f"{where}: more than one choice was taken")
        if choice == "Vyjít":
            pictures = [n for n in game.shown() if facts.controls[n]["kind"] == "picture"]
            front = min(pictures, key=game.names.index)
            x, y, w, h = game.scene.rect(facts.controls[front]["rect"])
            shot = game.screen.region(game.screen.shot(), (x, y, w, h))
            rw.expect(shot == picture_pixels(options.art, facts.controls[front]["picture"], w, h),
                      f"the picture of {front} on the screen differs from its BMP's top-left {w}x{h}")

    # Escape returns the window to maximized, the scene fitted again.
    game.keys("Escape")
    rw.wait_until(lambda: game.state()["client"] == maximized, "Escape to leave full screen")
    game.scene = rw.Scene(facts, maximized)
    places_keep_proportions(game, "back from full screen")

    # Closing the window by its own controls ends the program as Konec does.
    game.xdotool("windowactivate", "--sync", game.window_id, "key", "alt+F4")
    status = game.exit_status()
    rw.expect(status == 0, f"closing the window ended the program with status {status}")


def play(game, ending, by_keyboard, described):
    where_ending = f"ending {ending['ending']} by {'keyboard' if by_keyboard else 'mouse'}"
    places_keep_proportions(game, where_ending)
    choices_left = True
    for n, step in enumerate(ending["steps"], 1):
        choice, where = step["choice"], f"{where_ending}, step {n}, {step['choice']}"
        if by_keyboard:
            game.focus_on(choice)
            game.keys("Return")
        elif choice in step["covered"]:
            # Covered by another button of its row: only the keyboard reaches it.
            game.focus_on(choice)
            game.keys("space")
        else:
            game.click(choice)
        rw.wait_until(lambda: game.text("P") == step["story"], f"{where}: the story after it")
        rw.expect(game.process.poll() is None, f"{where}: the game ended")
        choices_left = game.check_focus(where)
        game.check_stacking(where)
        # A control shown after the window was resized stands at its place at the new scale.
        places_keep_proportions(game, where)
        if not by_keyboard:
            describe_cards(game, where, described)
    if by_keyboard:
        if choices_left:
            game.focus_on("Konec")
        game.keys("Return")
    else:
        game.click("Konec")
    status = game.exit_status()
    rw.expect(status == 0, f"{where_ending}: Konec ended the program with status {status}")


def describe_cards(game, where, described):
    """Pointing at a card shows its description; the bare window puts it away. Once a card a run."""
    cards = [n for n in game.shown() if n.startswith("Card") and n not in described]
    if not cards:
        return
    described.add(cards[0])
    game.point_at(*game.scene.point(*game.facts.centre(cards[0])))
    descriptions = [game.facts.texts[key] for key in ("D1", "D2", "D3", "D4")]
    rw.wait_until(lambda: "Popis" in game.shown() and game.text("Popis") in descriptions,
                  f"{where}: {cards[0]}'s description")
    game.point_at(*game.scene.point(*BARE))
    rw.wait_until(lambda: "Popis" not in game.shown(), f"{where}: the bare window putting the description away")


def main():
    parser = argparse.ArgumentParser()
    for option in ("prefix", "game", "probe", "facts", "art"):
        parser.add_argument(f"--{option}", required=True)
    parser.add_argument("--check", required=True, choices=SIZES)
    parser.add_argument("--lang")
    options = parser.parse_args()
    wine.check_tools()
    for program in ("Xvfb", "xdotool", "import", "openbox"):
        if not subprocess.run(["which", program], capture_output=True).returncode == 0:
            rw.skip(f"{program} is missing (`make deps` installs it)")
    facts = rw.Facts(options.facts, options.lang)
    screen = rw.Screen(SIZES[options.check], window_manager=True)
    probe = wine_window.Probe(options, screen)
    game = None
    try:
        if options.check == "start":
            game = wine_window.Game(options, screen, facts, probe)
            check_start(game, options)
        else:
            described = set()
            for ending in facts.endings:
                game = wine_window.Game(options, screen, facts, probe)
                play(game, ending, options.check == "keyboard", described)
                game.close()
                game = None
    except rw.Failure as failure:
        print(f"FAIL: {failure}")
        if game:
            print(json.dumps(game.state(), ensure_ascii=False) if game.process.poll() is None
                  else f"the game ended with {game.process.returncode}")
        sys.exit(1)
    finally:
        if game:
            game.close()
        probe.close()
        screen.close()
    print("PASS")


if __name__ == "__main__":
    main()
