"""Faces installed under the names of the layout's font families change nothing on the desktop.

The window asks only for the free faces the layout names, so it looks the same on every machine
and as the page does. The stand-ins here are Liberation Mono renamed with fontTools, whose wide
letters would show at once, installed in a private fontconfig configuration that adds them to
the system's own.

named_faces_test.py --probe FONT_PROBE: the probe, run without and with the faces, must see them
installed the second time, find every control in its free family both times, and draw the same
picture both times.
named_faces_test.py --probe FONT_PROBE --run PROGRAM [ARG...]: once the probe sees the faces,
runs PROGRAM with them installed; its status is the test's.
"""
import argparse
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

from fontTools.ttLib import TTFont

LIBERATION = pathlib.Path("/usr/share/fonts/truetype/liberation2")
SYSTEM_CONFIGURATION = "/etc/fonts/fonts.conf"
# The families the layout's fonts are named after, each in the styles it is asked for.
NAMED_FAMILIES = ["Comic Sans MS", "Bookman Old Style", "MS Sans Serif"]
STYLES = {"Regular": "LiberationMono-Regular.ttf", "Bold": "LiberationMono-Bold.ttf"}


def rename(source, target, family, style):
    """Copies a face with every name it goes by in its name table replaced."""
    font = TTFont(source)
    postscript = f"{family.replace(' ', '')}-{style}"
    names = {1: family, 3: f"Tolm test: {postscript}", 4: f"{family} {style}", 6: postscript,
             16: family, 21: family}
    for record in font["name"].names:
        if record.nameID in names:
            record.string = names[record.nameID]
    font.save(target)


def private_configuration(folder):
    """The environment under which fontconfig sees the named faces besides the system's fonts."""
    faces = folder / "faces"
    faces.mkdir()
    for family in NAMED_FAMILIES:
        for style, source in STYLES.items():
            rename(LIBERATION / source, faces / f"{family.replace(' ', '')}-{style}.ttf", family, style)
    configuration = folder / "fonts.conf"
    # The cache comes first, so that fontconfig writes the cache of these faces here and never
    # into the system's or the user's cache.
    configuration.write_text(f"""<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <cachedir>{folder / "cache"}</cachedir>
  <dir>{faces}</dir>
  <include ignore_missing="no">{SYSTEM_CONFIGURATION}</include>
</fontconfig>
""")
    return dict(os.environ, FONTCONFIG_FILE=str(configuration))


def system_configuration():
    return {k: v for k, v in os.environ.items() if k not in ("FONTCONFIG_FILE", "FONTCONFIG_PATH")}


def probe(program, env, picture):
    """The families installed and, per control, the family it is drawn in and its free family."""
    run = subprocess.run([program, str(picture)], env=env, capture_output=True, text=True, timeout=120)
    if run.returncode != 0:
        raise AssertionError(f"the probe failed with status {run.returncode}: {run.stderr}")
    families, controls = set(), {}
    for line in run.stdout.splitlines():
        kind, *fields = line.split("\t")
        if kind == "family":
            families.add(fields[0])
        else:
            # Qt names the foundry too where two foundries make a family of that name.
            controls[fields[0]] = (re.sub(r" \[[^]]*\]$", "", fields[1]), fields[2])
    return families, controls


def faces_missing(families):
    return [f"the named face {family!r} is not installed, so nothing is shown"
            for family in NAMED_FAMILIES if family not in families]


def compare(program, folder, named):
    failures = []
    runs = {"without the named faces": (system_configuration(), folder / "without.png"),
            "with the named faces": (named, folder / "with.png")}
    seen = {what: probe(program, env, picture) for what, (env, picture) in runs.items()}
    failures += faces_missing(seen["with the named faces"][0])
    for what, (_, controls) in seen.items():
        if not controls:
            failures.append(f"{what}: the probe named no control")
        failures += [f"{what}: {control} is drawn in {drawn!r}, not {free!r}"
                     for control, (drawn, free) in controls.items() if drawn != free]
    pictures = [picture for _, picture in runs.values()]
    if pictures[0].read_bytes() != pictures[1].read_bytes():
        for picture in pictures:
            shutil.copy(picture, f"named_faces_{picture.name}")
        failures.append("the window looks different with the named faces: see named_faces_without.png "
                        f"and named_faces_with.png in {os.getcwd()}")
    return failures


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--probe", required=True)
    parser.add_argument("--run", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory(prefix="tolm-named-faces-") as folder:
        folder = pathlib.Path(folder)
        named = private_configuration(folder)
        if args.run:
            failures = faces_missing(probe(args.probe, named, folder / "with.png")[0])
            if not failures:
                status = subprocess.run(args.run, env=named, timeout=600).returncode
                if status != 0:
                    failures.append(f"{args.run[0]} failed with the named faces installed (status {status})")
        else:
            failures = compare(args.probe, folder, named)
    for failure in failures:
        print(f"FAIL: {failure}")
    print("PASS" if not failures else "")
    sys.exit(1 if failures else 0)


main()
