#!/usr/bin/python3
"""Makes the page's web fonts from Debian's font packages, with each package's licence.

make_fonts.py FONT_DIR LICENCE_DIR SOURCE...: every letter that appears in the SOURCE files (the
game's texts and the page), all of printable ASCII and the no-break space stay; everything else
is cut, and the result is compressed as WOFF2 into FONT_DIR. The build writes the fonts into the
page itself; the licences go to LICENCE_DIR, in the site.
"""
import pathlib
import shutil
import sys

from fontTools import subset

# The face each family of the layout is drawn in, with the Debian package it comes from.
FONTS = [
    ("liberation-sans-regular.woff2", "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
     "fonts-liberation2"),
    ("liberation-sans-bold.woff2", "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
     "fonts-liberation2"),
    ("urw-bookman-demi.woff2", "/usr/share/fonts/opentype/urw-base35/URWBookman-Demi.otf", "fonts-urw-base35"),
    ("comic-neue-bold.woff2", "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf", "fonts-comic-neue"),
]


def letters(sources):
    # The no-break space binds the texts' one-letter words; the build puts it in, no source spells it.
    wanted = {chr(c) for c in range(0x20, 0x7F)} | {"\u00a0"}
    for source in sources:
        wanted |= {ch for ch in pathlib.Path(source).read_text(encoding="utf-8") if ord(ch) > 0x7F}
    return "".join(sorted(wanted))


def main():
    out, licences = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    out.mkdir(parents=True, exist_ok=True)
    licences.mkdir(parents=True, exist_ok=True)
    text = letters(sys.argv[3:])
    for name, face, package in FONTS:
        options = subset.Options()
        options.flavor = "woff2"
        options.layout_features = ["kern", "liga"]
        options.name_IDs = ["*"]  # the copyright and licence records stay with the font
        options.notdef_outline = True
        font = subset.load_font(face, options)
        subsetter = subset.Subsetter(options)
        subsetter.populate(text=text)
        subsetter.subset(font)
        subset.save_font(font, str(out / name), options)
        shutil.copyfile(f"/usr/share/doc/{package}/copyright", licences / f"{package}.copyright.txt")


if __name__ == "__main__":
    main()
