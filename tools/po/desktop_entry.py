"""The words of a desktop entry that a menu shows, each a piece a translator takes: its base value
is the Czech, and each language gets its Key[code]= line after the base one. The key of a piece
names the entry and the field: "cz.tolm.Tolm.desktop: Comment"."""
import re

FIELDS = ("Name", "GenericName", "Comment", "Keywords")
BASE = re.compile(r"^(" + "|".join(FIELDS) + r")=(.*)$")


def pieces(name, entry):
    """[(key, Czech)] of the translatable fields, in the entry's order."""
    return [(f"{name}: {m.group(1)}", m.group(2)) for m in map(BASE.match, entry.splitlines()) if m]


def translated(name, entry, languages):
    """The entry with a Field[code]= line for each of [(code, {key: (Czech, translation)})]."""
    lines = []
    for line in entry.splitlines():
        lines.append(line)
        m = BASE.match(line)
        if not m:
            continue
        key = f"{name}: {m.group(1)}"
        for code, translations in languages:
            czech, translation = translations.get(key, (None, None))
            if czech != m.group(2):
                raise KeyError(f"{key} is not translated into {code} from the entry as it stands")
            lines.append(f"{m.group(1)}[{code}]={translation}")
    return "\n".join(lines) + "\n"
