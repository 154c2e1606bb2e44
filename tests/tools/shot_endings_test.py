"""The screenshot tool's list of endings plays the endings' paths of the shared playthroughs: every
play in it is one of those paths, and each ending has its play in every language the list shows.
The list stays a file of its own because the software centre's screenshots read it as CMake
configures, before any program is built.

    shot_endings_test.py --facts REALWINDOW_FACTS --list tools/shot/endings.txt
"""
import argparse
import json
import subprocess
import sys


def plays(path):
    """Each picture of the list: its name, its language and the choices it makes, in order."""
    for line in open(path, encoding="utf-8"):
        words = line.split()
        if not words or words[0].startswith("#"):
            continue
        language = next((w.split("=", 1)[1] for w in words[1:] if w.startswith("--lang=")), "cs")
        # Options, environment, pointing, focusing and keys are how the picture is taken, not the path.
        choices = [w for w in words[1:] if not w.startswith(("-", "@", "^", "+")) and "=" not in w]
        yield words[0], language, choices


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--facts", required=True)
    parser.add_argument("--list", required=True)
    options = parser.parse_args()
    endings = json.loads(subprocess.run([options.facts], check=True, capture_output=True, text=True).stdout)["endings"]
    paths = {tuple(s["choice"] for s in e["steps"]): e for e in endings}
    # An ending is the story it ends on; the first playthrough to reach it names it.
    last = lambda e: e["steps"][-1]["key"]  # noqa: E731
    names = {last(e): e["ending"] for e in endings if not e["again"]}

    failures = []
    played = {}
    for name, language, choices in plays(options.list):
        if not choices:
            continue  # the start
        ending = paths.get(tuple(choices))
        if ending is None:
            failures.append(f"{name}: {' '.join(choices)} is not the path of any ending the playthroughs take")
        else:
            played.setdefault(language, set()).add(last(ending))
    if not played:
        failures.append("the list plays no ending")
    for language, endings_played in sorted(played.items()):
        for missing in sorted(names.keys() - endings_played):
            failures.append(f"{language}: the ending {names[missing]} ({missing}) has no play in the list")

    for failure in failures:
        print(f"FAIL: {failure}")
    print("PASS" if not failures else "")
    sys.exit(1 if failures else 0)


main()
