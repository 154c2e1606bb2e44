"""The translations in po/, one PO file a language named by its code (po/en.po): each checked by
msgfmt and read with polib. The build takes only complete ones: every entry translated, none fuzzy."""
import pathlib
import subprocess
import sys

import polib

# Entries name the file their Czech comes from by its path in the project: content/tolm.6.
ROOT = pathlib.Path(__file__).resolve().parents[2]


def source_name(path):
    return str(pathlib.Path(path).resolve().relative_to(ROOT))


def fail(message):
    print(f"{sys.argv[0]}: {message}", file=sys.stderr)
    sys.exit(1)


def unfinished(po):
    """The keys of the entries that are untranslated or fuzzy."""
    return [e.msgctxt for e in po if not e.obsolete and (e.fuzzy or not e.translated())]


def read(paths):
    """[(code, catalog)] in the order of the codes; Czech, the game's own language, has none."""
    catalogs = []
    for path in sorted(paths, key=lambda p: pathlib.Path(p).stem):
        code = pathlib.Path(path).stem
        checked = subprocess.run(["msgfmt", "--check", "--output-file=/dev/null", str(path)],
                                 capture_output=True, text=True)
        if checked.returncode != 0:
            fail(f"msgfmt --check finds faults in {path}:\n{checked.stderr}")
        po = polib.pofile(str(path))
        if code == "cs":
            fail(f"{path}: Czech is the language the game is written in, not a translation")
        if po.metadata.get("Language") != code:
            fail(f"{path} says its language is {po.metadata.get('Language')!r}, not {code!r}")
        missing = unfinished(po)
        if missing:
            fail(f"{path} leaves {len(missing)} entries untranslated or fuzzy: {', '.join(missing)}")
        catalogs.append((code, po))
    return catalogs


def of_file(po, source):
    """{key: (Czech, translation)} of the entries that come from the source file."""
    return {e.msgctxt: (e.msgid, e.msgstr) for e in po
            if not e.obsolete and any(file == source for file, _ in e.occurrences)}
