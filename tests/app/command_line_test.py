"""--help and --version answer on standard output with status 0 and need no display: they run here
with no DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM, where starting the toolkit would fail. Every
other argument goes to the toolkit, which then fails for want of a display. The game speaks the
language --lang names, else the locale's: the help comes in it. A language the game does not speak
is a usage error, status 2. The help in every language and every manual page list the same options."""
import argparse
import glob
import os
import re
import subprocess
import tempfile

from verdict import finish

# Said in the game's language, which is Czech where the locale names none.
NO_SESSION = {"cs": "Tolm potřebuje grafické prostředí", "en": "Tolm needs a graphical session"}
LOCALE = ("LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG")
# A code no language has: a language the game does not speak, whatever po/ holds.
LACKING = "xx"


def start(game, folder, arguments, stdout, env_extra):
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE") + LOCALE}
    env.update(XDG_RUNTIME_DIR=folder, **env_extra)
    return subprocess.run([game, *arguments], cwd=folder, env=env, stdout=stdout, stderr=subprocess.PIPE,
                          timeout=60)


def options(text):
    return sorted(re.findall(r"^ +(--[a-z]+) ", text, re.MULTILINE))


def manual_options(page):
    """The options a manual page lists as the tags of its paragraphs."""
    return sorted(o.replace("\\-", "-") for o in re.findall(r"^\.TP\n\.BI? (\\-\\-[a-z]+)", page, re.MULTILINE))


def help_faults(text, manuals, languages):
    faults = []
    if options(text) != ["--help", "--lang", "--version"]:
        faults.append(f"the help lists {options(text)}")
    for name, page in manuals.items():
        if manual_options(page) != options(text):
            faults.append(f"the manual page {name} lists {manual_options(page)}")
    if "-platform" not in text:
        faults.append("the help does not say that the toolkit takes the other arguments")
    if ", ".join(languages) not in text:
        faults.append(f"the help does not name the languages {languages}")
    faults += [f"a line wider than 80 columns: {line!r}" for line in text.splitlines() if len(line) > 80]
    return faults


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--manual", required=True, action="append")
    parser.add_argument("--languages", required=True, help="the game's language codes, Czech first: cs,en")
    args = parser.parse_args()
    languages = args.languages.split(",")
    manuals = {}
    for pattern in args.manual:
        for path in glob.glob(pattern):
            with open(path, encoding="utf-8") as page:
                manuals[path] = page.read()
    version = f"tolm {args.version}\n".encode()
    failures = []

    def run(arguments, env=None, target=subprocess.PIPE):
        with tempfile.TemporaryDirectory(prefix="tolm-command-line-") as folder:
            os.chmod(folder, 0o700)
            if target == subprocess.PIPE:
                return start(args.game, folder, arguments, target, env or {})
            with open(target, "wb") as stdout:
                return start(args.game, folder, arguments, stdout, env or {})

    helps = {code: run(["--lang", code, "--help"]).stdout.decode() for code in languages}
    for code, text in helps.items():
        failures += [f"the help in {code}: {fault}" for fault in help_faults(text, manuals, languages)]
    if helps["cs"] == helps["en"] or not helps["cs"].startswith("Použití: tolm"):
        failures.append("the help is not in Czech and in English")
    if len(manuals) < len(languages):
        failures.append(f"manual pages found: {sorted(manuals)}")

    def is_help(code):
        return lambda out: [] if out.decode() == helps[code] else [f"printed {out[:80]!r}, not the help in {code}"]

    def is_version(out):
        return [] if out == version else [f"printed {out!r}, not {version!r}"]

    def says_nothing(out):
        return [] if not out else [f"printed {out!r}"]

    # Arguments, the locale, where standard output goes, the status, what it printed, what stderr
    # must hold (None: nothing).
    cases = [
        (["--help"], {}, subprocess.PIPE, 0, is_help("cs"), None),
        (["--help"], {"LANG": "en_GB.UTF-8"}, subprocess.PIPE, 0, is_help("en"), None),
        (["--help"], {"LANG": f"{LACKING}_XX.UTF-8"}, subprocess.PIPE, 0, is_help("cs"), None),
        (["--help"], {"LANGUAGE": f"{LACKING}:en", "LANG": f"{LACKING}_XX.UTF-8"}, subprocess.PIPE, 0, is_help("en"), None),
        (["--help", "--lang", "cs"], {"LC_ALL": "en_US.UTF-8"}, subprocess.PIPE, 0, is_help("cs"), None),
        (["--lang=en", "--help"], {"LANG": "cs_CZ.UTF-8"}, subprocess.PIPE, 0, is_help("en"), None),
        (["--version"], {}, subprocess.PIPE, 0, is_version, None),
        (["--version", "--help"], {}, subprocess.PIPE, 0, is_version, None),
        (["-platform", "xcb", "-style", "fusion", "--help"], {}, subprocess.PIPE, 0, is_help("cs"), None),
        (["--lang", LACKING, "--help"], {"LANG": "en_GB.UTF-8"}, subprocess.PIPE, 2, says_nothing,
         f"unknown language '{LACKING}' (the game speaks: {', '.join(languages)})"),
        (["--lang=", "--version"], {}, subprocess.PIPE, 2, says_nothing, "neznámý jazyk „“"),
        (["--help", "--lang"], {"LANG": "en_GB.UTF-8"}, subprocess.PIPE, 2, says_nothing, "'--lang' needs a language"),
        (["--lang", "en"], {}, subprocess.PIPE, 1, says_nothing, NO_SESSION["en"]),
        (["--", "--version"], {}, subprocess.PIPE, 1, says_nothing, NO_SESSION["cs"]),
        (["--", "--lang", LACKING], {"LANG": "en_GB.UTF-8"}, subprocess.PIPE, 1, says_nothing, NO_SESSION["en"]),
        (["--versions"], {}, subprocess.PIPE, 1, says_nothing, NO_SESSION["cs"]),
        (["-version"], {"LANG": "en_GB.UTF-8"}, subprocess.PIPE, 1, says_nothing, NO_SESSION["en"]),
        (["--help"], {"LANG": "en_GB.UTF-8"}, "/dev/full", 1, None, "cannot write to standard output"),
        (["--version"], {}, "/dev/full", 1, None, "nelze zapsat na standardní výstup"),
    ]
    for arguments, env, target, status, printed, said in cases:
        what = " ".join(f"{k}={v}" for k, v in env.items()) + f" tolm {' '.join(arguments)}" + \
            (f" > {target}" if target != subprocess.PIPE else "")
        result = run(arguments, env, target)
        err = result.stderr.decode()
        if result.returncode != status:
            failures.append(f"{what}: status {result.returncode}, not {status}")
        if printed:
            failures += [f"{what}: {fault}" for fault in printed(result.stdout)]
        if said is None and err:
            failures.append(f"{what}: said {err!r} on standard error")
        lines_said = 1 if status != 2 else 2
        if said is not None and (said not in err or len(err.splitlines()) != lines_said):
            failures.append(f"{what}: expected {lines_said} lines saying {said!r} on standard error, got {err!r}")

    finish(failures)


main()
