"""Every #include "..." of the sources keeps to the floors of README.md's table: a folder includes
only folders of its own floor or a lower one. A folder of code that the table lacks, or gives no
floor, fails too, so the table cannot fall behind the tree. First the check runs on small made-up
trees, so that a check which finds nothing is known to look."""
import argparse
import os
import re
import sys
import tempfile

SOURCE_SUFFIXES = (".cpp", ".h", ".inc")
SKIPPED_DIRS = {".git", "node_modules"}
ROW = re.compile(r"^\|\s*(\d+|–)\s*\|\s*`([^`]+)/`\s*\|")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)
NO_FLOOR = None  # a folder that holds no code


def floors_of(readme):
    """The table's folders and their floors (NO_FLOOR for the dash)."""
    floors = {}
    with open(readme, encoding="utf-8") as f:
        for line in f:
            m = ROW.match(line)
            if m:
                floors[m.group(2)] = NO_FLOOR if m.group(1) == "–" else int(m.group(1))
    return floors


def folder_of(path, floors):
    """The table's deepest folder that holds the path, or None."""
    held = [folder for folder in floors if path == folder or path.startswith(folder + "/")]
    return max(held, key=len) if held else None


def sources(root):
    for directory, dirs, files in os.walk(root):
        dirs[:] = sorted(d for d in dirs if d not in SKIPPED_DIRS and not d.startswith("build"))
        for name in sorted(files):
            if name.endswith(SOURCE_SUFFIXES):
                yield os.path.relpath(os.path.join(directory, name), root)


def faults(root, floors):
    found = []
    for source in sources(root):
        folder = folder_of(source, floors)
        if folder is None or floors[folder] is NO_FLOOR:
            found.append(f"{source}: its folder has no floor in the table")
            continue
        with open(os.path.join(root, source), encoding="utf-8") as f:
            included = INCLUDE.findall(f.read())
        for header in included:
            # Project headers are named from the root; a bare name is a neighbour or a generated file.
            target = folder_of(header, floors) if "/" in header else folder
            if target is None or floors[target] is NO_FLOOR:
                continue
            if floors[target] > floors[folder]:
                found.append(f"{source} (floor {floors[folder]}) includes {header} ({target}/, floor {floors[target]})")
    return found


TABLE = "| floor | folder | what |\n|---|---|---|\n" \
        "| 1 | `runtime/` | x |\n| 2 | `layout/` | x |\n| 4 | `web/` | x |\n| 5 | `tools/` | x |\n" \
        "| 5 | `tools/deep/` | x |\n| 5 | `tests/support/` | x |\n| 6 | `tests/` | x |\n| – | `po/` | x |\n"

# Made-up trees: each source and its includes, and the faults the check must find.
CASES = [
    ("a lower and the same floor", {"web/a.cpp": ["layout/l.h", "web/w.h", "runtime/r.h"]}, 0),
    ("a higher floor", {"layout/l.cpp": ["web/w.h"]}, 1),
    ("the tests from a floor below", {"tools/t.cpp": ["tests/x_test.h"]}, 1),
    ("their support from its own floor", {"tools/t.cpp": ["tests/support/s.h"]}, 0),
    ("every floor from the tests", {"tests/x_test.cpp": ["tools/t.h", "web/w.h", "tests/support/s.h"]}, 0),
    ("a neighbour by its bare name", {"layout/l.cpp": ["l.h", "generated.inc"]}, 0),
    ("a folder the table lacks", {"elsewhere/e.cpp": []}, 1),
    ("code in a folder without a floor", {"po/p.cpp": []}, 1),
    ("the deepest folder decides", {"tools/deep/d.cpp": ["web/w.h"]}, 0),
]


def check_the_check():
    for what, tree, expected in CASES:
        with tempfile.TemporaryDirectory() as root:
            with open(os.path.join(root, "README.md"), "w", encoding="utf-8") as f:
                f.write(TABLE)
            for source, headers in tree.items():
                os.makedirs(os.path.join(root, os.path.dirname(source)), exist_ok=True)
                with open(os.path.join(root, source), "w", encoding="utf-8") as f:
                    f.write("".join(f'#include "{h}"\n' for h in headers))
            found = faults(root, floors_of(os.path.join(root, "README.md")))
            if len(found) != expected:
                sys.exit(f"FAIL: the check on {what}: found {found}, expected {expected} fault(s)")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    options = parser.parse_args()
    check_the_check()
    floors = floors_of(os.path.join(options.root, "README.md"))
    if not floors:
        sys.exit("FAIL: README.md has no table of floors")
    found = faults(options.root, floors)
    for fault in found:
        print(f"FAIL: {fault}")
    if found:
        sys.exit(1)
    print(f"PASS: {sum(1 for _ in sources(options.root))} sources keep to {len(floors)} folders' floors")


main()
