"""--help and --version answer on standard output with status 0 and need no display: they run here
with no DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM, where starting the toolkit would fail. Every
other argument goes to the toolkit, which then fails for want of a display. The help's options
in Czech and in English, and the manual page's, are the same."""
import argparse
import os
import re
import subprocess
import tempfile

from verdict import finish

NO_SESSION = "Tolm needs a graphical session"


def start(game, folder, arguments, stdout):
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE")}
    env.update(XDG_RUNTIME_DIR=folder)
    return subprocess.run([game, *arguments], cwd=folder, env=env, stdout=stdout, stderr=subprocess.PIPE,
                          timeout=60)


def options(text):
    return sorted(re.findall(r"^ +(--[a-z]+) ", text, re.MULTILINE))


def help_faults(out, manual):
    text = out.decode()
    czech, _, english = text.partition("\nUsage: tolm")
    faults = []
    if not czech.startswith("Použití: tolm") or not english:
        faults.append("the help is not a Czech block followed by an English one")
    if options(czech) != ["--help", "--version"] or options(english) != options(czech):
        faults.append(f"the help lists {options(czech)} in Czech and {options(english)} in English")
    section = manual.partition("\n.SH OPTIONS\n")[2].partition("\n.SH ")[0]
    listed = re.findall(r"^\.B (\\-\\-[a-z]+)$", section, re.MULTILINE)
    if [o.replace("-", "\\-") for o in options(czech)] != sorted(listed):
        faults.append(f"the manual page lists {listed}")
    if "-platform" not in czech or "-platform" not in english:
        faults.append("the help does not say that the toolkit takes the other arguments")
    faults += [f"a line wider than 80 columns: {line!r}" for line in text.splitlines() if len(line) > 80]
    return faults


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--manual", required=True)
    args = parser.parse_args()
    with open(args.manual, encoding="utf-8") as manual_file:
        manual = manual_file.read()
    version = f"tolm {args.version}\n".encode()

    def is_help(out):
        return help_faults(out, manual)

    def is_version(out):
        return [] if out == version else [f"printed {out!r}, not {version!r}"]

    def says_nothing(out):
        return [] if not out else [f"printed {out!r}"]

    # Arguments, where standard output goes, the status, what it printed, what stderr must hold.
    cases = [
        (["--help"], subprocess.PIPE, 0, is_help, None),
        (["--version"], subprocess.PIPE, 0, is_version, None),
        (["--version", "--help"], subprocess.PIPE, 0, is_version, None),
        (["-platform", "xcb", "-style", "fusion", "--help"], subprocess.PIPE, 0, is_help, None),
        (["--", "--version"], subprocess.PIPE, 1, says_nothing, NO_SESSION),
        (["--versions"], subprocess.PIPE, 1, says_nothing, NO_SESSION),
        (["-version"], subprocess.PIPE, 1, says_nothing, NO_SESSION),
        (["--help"], "/dev/full", 1, None, "cannot write to standard output"),
        (["--version"], "/dev/full", 1, None, "cannot write to standard output"),
    ]
    failures = []
    for arguments, target, status, printed, said in cases:
        what = f"tolm {' '.join(arguments)}" + (f" > {target}" if target != subprocess.PIPE else "")
        with tempfile.TemporaryDirectory(prefix="tolm-command-line-") as folder:
            os.chmod(folder, 0o700)
            if target == subprocess.PIPE:
                run = start(args.game, folder, arguments, target)
            else:
                with open(target, "wb") as stdout:
                    run = start(args.game, folder, arguments, stdout)
        err = run.stderr.decode()
        if run.returncode != status:
            failures.append(f"{what}: status {run.returncode}, not {status}")
        if printed:
            failures += [f"{what}: {fault}" for fault in printed(run.stdout)]
        if said is None and err:
            failures.append(f"{what}: said {err!r} on standard error")
        if said is not None and (said not in err or len(err.splitlines()) != 1):
            failures.append(f"{what}: expected one line saying {said!r} on standard error, got {err!r}")

    finish(failures)


main()
