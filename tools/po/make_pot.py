#!/usr/bin/python3
"""Writes the translators' template, po/tolm.pot: every text and message of the program (from
tolm-po-source, which it runs), the menu entry's words and the manual page's pieces, each keyed by
its msgctxt, the Czech as msgid and a note for translators (#.) where one helps.
    make_pot.py --texts TOLM-PO-SOURCE --desktop ENTRY --manual PAGE --version V --out POT
"""
import argparse
import json
import pathlib
import re
import subprocess

import polib

import catalogs
import desktop_entry
import manual

HEADER = """Translations of Tolm, a Czech choose-your-path story game.
The Czech is the original: keep its dark slapstick, its rhythm and its jokes. Place names stay
Czech (Rumburk, Šluknov, Jiříkov), and so does money: crowns, written Kč or korun in Czech.
Every text must fit where it shows, in the game's own fonts at every scale: the notes say where.
"""
MANUAL_NOTE = ("A piece of the manual page, in troff: keep each line that starts with a dot, and escapes "
               "such as \\- and \\[u0160], where they are; translate the words.")
DESKTOP_NOTES = {
    "Name": "The game's name in the menu.",
    "GenericName": "What kind of program it is, in a few words, under its name in some menus.",
    "Comment": "The menu's tooltip for the game, one sentence.",
    "Keywords": "Words a menu search finds the game by, each ending with a semicolon.",
}
PLACEHOLDER = re.compile(r"\{[a-z]+\}")


def entry(source, key, czech, notes):
    return polib.POEntry(msgctxt=key, msgid=czech, msgstr="", occurrences=[(source, "")],
                         comment="\n".join(notes),
                         flags=["python-brace-format"] if PLACEHOLDER.search(czech) else [])


def main():
    parser = argparse.ArgumentParser()
    for option in ("--texts", "--desktop", "--manual", "--version", "--out"):
        parser.add_argument(option, required=True)
    args = parser.parse_args()
    pot = polib.POFile(wrapwidth=79)
    pot.header = HEADER
    pot.metadata = {
        "Project-Id-Version": f"Tolm {args.version}",
        "Language": "",
        "MIME-Version": "1.0",
        "Content-Type": "text/plain; charset=UTF-8",
        "Content-Transfer-Encoding": "8bit",
    }
    texts = subprocess.run([args.texts], check=True, capture_output=True, text=True).stdout
    for e in json.loads(texts):
        pot.append(entry(e["file"], e["key"], e["czech"], e["notes"]))
    desktop = pathlib.Path(args.desktop)
    for key, czech in desktop_entry.pieces(desktop.name, desktop.read_text(encoding="utf-8")):
        pot.append(entry(catalogs.source_name(desktop), key, czech, [DESKTOP_NOTES[key.split(": ")[1]]]))
    page = pathlib.Path(args.manual)
    for key, czech in manual.pieces(page.name, page.read_text(encoding="utf-8")):
        if key is not None:
            pot.append(entry(catalogs.source_name(page), key, czech, [MANUAL_NOTE]))
    pot.save(args.out)


main()
