#!/usr/bin/python3
"""Writes the menu entry with each language of po/ beside its Czech: Name[en]=, Comment[en]=...
    make_desktop_entry.py TEMPLATE OUT PO...
"""
import pathlib
import sys

import catalogs
import desktop_entry


def main():
    template, out, paths = pathlib.Path(sys.argv[1]), sys.argv[2], sys.argv[3:]
    source = catalogs.source_name(template)
    languages = [(code, catalogs.of_file(po, source)) for code, po in catalogs.read(paths)]
    try:
        entry = desktop_entry.translated(template.name, template.read_text(encoding="utf-8"), languages)
    except KeyError as e:
        catalogs.fail(f"{e.args[0]}: `make po`, then translate what it marks")
    pathlib.Path(out).write_text(entry, encoding="utf-8")


main()
