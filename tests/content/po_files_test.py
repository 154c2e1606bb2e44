"""The translations are whole and current: po/tolm.pot is what the program, the menu entry and the
manual page make of it now; every po/*.po passes msgfmt --check without a word, translates each of
its entries from that Czech, none fuzzy, none left over, with the translators' notes of today, and
keeps the manual's pieces in their shape. Every manual page reads without a warning from man."""
import argparse
import glob
import os
import pathlib
import subprocess
import sys

import polib


# Requests that shape the page: a piece never holds one, or it would break the page's layout.
LAYOUT = {".TH", ".SH", ".SS", ".PP", ".P", ".LP", ".TP", ".IP", ".br", ".sp", ".RS", ".RE", ".nf", ".fi"}


def manual_faults(czech, translation):
    """A paragraph's tag (its first line after .TP) stays first, and no piece adds layout."""
    first = [text.splitlines()[0].split(" ", 1)[0] if text.startswith(".") else None for text in (czech, translation)]
    shaping = sorted({line.split(" ", 1)[0] for line in translation.splitlines()} & LAYOUT)
    return ([f"begins with {first[1]}, not {first[0]}"] if first[0] and first[0] != first[1] else []) + \
        ([f"adds {shaping}"] if shaping else [])


def po_faults(path, pot):
    faults = []
    checked = subprocess.run(["msgfmt", "--check", "--output-file=/dev/null", path], capture_output=True, text=True)
    if checked.returncode != 0 or checked.stderr:
        faults.append(f"msgfmt --check says: {checked.stderr.strip()}")
    po = polib.pofile(path)
    code = pathlib.Path(path).stem
    if po.metadata.get("Language") != code:
        faults.append(f"its Language is {po.metadata.get('Language')!r}")
    template = {e.msgctxt: e for e in pot}
    entries = {e.msgctxt: e for e in po if not e.obsolete}
    for key in template.keys() - entries.keys():
        faults.append(f"{key}: missing")
    for key in entries.keys() - template.keys():
        faults.append(f"{key}: not in po/tolm.pot")
    for e in po:
        if e.obsolete:
            faults.append(f"{e.msgctxt}: left over from an older template")
        elif e.msgctxt in template:
            t = template[e.msgctxt]
            if e.msgid != t.msgid:
                faults.append(f"{e.msgctxt}: translates another Czech text than the template's")
            if e.fuzzy:
                faults.append(f"{e.msgctxt}: fuzzy")
            if not e.msgstr:
                faults.append(f"{e.msgctxt}: untranslated")
            if e.comment.split() != t.comment.split():
                faults.append(f"{e.msgctxt}: its notes are not the template's")
            if any(file.endswith(".6") for file, _ in e.occurrences):
                faults += [f"{e.msgctxt}: {fault}" for fault in manual_faults(e.msgid, e.msgstr)]
    return faults


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--po", required=True)
    parser.add_argument("--manual", required=True)
    parser.add_argument("--manuals", required=True)
    parser.add_argument("--scratch", required=True)
    parser.add_argument("--make-pot", nargs=argparse.REMAINDER, required=True)
    args = parser.parse_args()
    failures = []

    os.makedirs(args.scratch, exist_ok=True)
    fresh = os.path.join(args.scratch, "tolm.pot")
    subprocess.run([*args.make_pot, "--out", fresh], check=True)
    kept = os.path.join(args.po, "tolm.pot")
    if pathlib.Path(fresh).read_text(encoding="utf-8") != pathlib.Path(kept).read_text(encoding="utf-8"):
        failures.append(f"{kept} is not what the sources make now: run `make po`")

    pot = polib.pofile(fresh)
    catalogs = sorted(glob.glob(os.path.join(args.po, "*.po")))
    if not catalogs:
        failures.append(f"no PO files in {args.po}")
    for path in catalogs:
        failures += [f"{path}: {fault}" for fault in po_faults(path, pot)]

    pages = [args.manual, *sorted(glob.glob(os.path.join(args.manuals, "*", "tolm.6")))]
    if len(pages) != len(catalogs) + 1:
        failures.append(f"manual pages: {pages}, not one for each of {catalogs} and the Czech")
    for page in pages:
        read = subprocess.run(["man", "--warnings", "-E", "UTF-8", "-l", "-Tutf8", "-Z", page],
                              capture_output=True, text=True, env=dict(os.environ, MANROFFSEQ=""))
        if read.returncode != 0 or read.stderr:
            failures.append(f"{page}: man says {read.stderr.strip()!r}")

    for failure in failures:
        print(f"FAIL: {failure}")
    print("PASS" if not failures else "")
    sys.exit(1 if failures else 0)


main()
