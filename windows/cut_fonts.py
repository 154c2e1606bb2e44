#!/usr/bin/python3
"""Cuts the game's faces for Tolm.exe, which carries them inside itself.

cut_fonts.py FONT_DIR LICENCE_DIR SOURCE...: the same faces and the same letters as the page's
fonts (web/make_fonts.py names them), as plain OpenType files that Windows registers from memory;
each package's licence goes into LICENCE_DIR.
"""
import pathlib
import shutil
import sys

from fontTools import subset

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "web"))
import make_fonts  # noqa: E402


def main():
    out, licences = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    out.mkdir(parents=True, exist_ok=True)
    licences.mkdir(parents=True, exist_ok=True)
    text = make_fonts.letters(sys.argv[3:])
    for name, face, package in make_fonts.FONTS:
        options = subset.Options()
        options.layout_features = ["kern", "liga"]
        options.name_IDs = ["*"]  # the copyright and licence records stay with the font
        options.notdef_outline = True
        font = subset.load_font(face, options)
        subsetter = subset.Subsetter(options)
        subsetter.populate(text=text)
        subsetter.subset(font)
        subset.save_font(font, str(out / (pathlib.Path(name).stem + pathlib.Path(face).suffix)), options)
        shutil.copyfile(f"/usr/share/doc/{package}/copyright", licences / f"{package}.copyright.txt")


if __name__ == "__main__":
    main()
