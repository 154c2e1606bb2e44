#!/usr/bin/python3
"""Makes the page's web fonts from Debian's font packages, with each package's licence.

make_fonts.py FONT_DIR LICENCE_DIR SOURCE...: every letter that appears in the SOURCE files (the
game's texts and the page), all of printable ASCII and the no-break space stay; everything else
is cut, and the result is compressed as WOFF2 into FONT_DIR. The build puts the fonts into the
site, and their licences into LICENCE_DIR, beside them.

make_fonts.py --first WOFF2 CODE_POINTS: one of those fonts cut down further, to the letters the
first scene draws in it (hexadecimal code points, comma-separated), written to standard output.
The page carries these small cuts inside itself, so that its first paint waits for no font file.
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


def cut(face, out, small=False, **letters):
    """The face with only the given letters (text= or unicodes=), as WOFF2, into out; small, the
    hinting, the licence's text and the outlines' shared parts go, for the page's own cuts."""
    options = subset.Options()
    options.hinting = not small
    options.flavor = "woff2"
    # Kerning and ligatures stay, so a cut draws its letters exactly as the whole face does.
    options.layout_features = ["kern", "liga"]
    # The whole faces keep every record; a cut in the page keeps the copyright and the names, and
    # the licence's text is in the licence file beside the whole faces.
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6] if small else ["*"]
    # Outlines written out compress better than with their shared parts, in so few letters.
    options.desubroutinize = small
    options.notdef_outline = True
    font = subset.load_font(face, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(**letters)
    subsetter.subset(font)
    subset.save_font(font, out, options)


def main():
    if sys.argv[1] == "--first":
        # The first scene's cuts leave the hinting out, a third of a small face's bytes; the browser
        # draws them as it draws the whole faces, which the first-scene test holds to the pixel.
        cut(sys.argv[2], sys.stdout.buffer, small=True, unicodes=[int(c, 16) for c in sys.argv[3].split(",")])
        return
    out, licences = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    out.mkdir(parents=True, exist_ok=True)
    licences.mkdir(parents=True, exist_ok=True)
    text = letters(sys.argv[3:])
    for name, face, package in FONTS:
        cut(face, str(out / name), text=text)
        shutil.copyfile(f"/usr/share/doc/{package}/copyright", licences / f"{package}.copyright.txt")


if __name__ == "__main__":
    main()
