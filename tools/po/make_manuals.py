#!/usr/bin/python3
"""Writes the manual page in each language of po/, from the Czech page: OUT/<code>/<page>.
    make_manuals.py PAGE OUT PO...
"""
import pathlib
import sys

import catalogs
import manual


def main():
    page, out, paths = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]), sys.argv[3:]
    source = catalogs.source_name(page)
    czech = page.read_text(encoding="utf-8")
    for code, po in catalogs.read(paths):
        try:
            text = manual.translated(page.name, czech, catalogs.of_file(po, source))
        except KeyError as e:
            catalogs.fail(f"{e.args[0]} in po/{code}.po: `make po`, then translate what it marks")
        (out / code).mkdir(parents=True, exist_ok=True)
        (out / code / page.name).write_text(text, encoding="utf-8")


main()
