"""Tolm.exe's command line under Wine, with its output redirected as a console's would be read:
--version and --help answer on standard output with status 0 in the language --lang names, and a
language the game does not speak is a usage error, status 2, said on standard error."""
import argparse
import subprocess
import sys

import wine

# (arguments, status, what standard output holds, what standard error holds)
CASES = [
    (["--version"], 0, "tolm {version}", ""),
    (["--lang", "en", "--help"], 0, "--lang", ""),
    (["--help", "--lang=cs"], 0, "--version", ""),
    (["--lang", "xx"], 2, "", "xx"),
    (["--lang"], 2, "", ""),
]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--prefix", required=True)
    parser.add_argument("--game", required=True)
    parser.add_argument("--version", required=True)
    options = parser.parse_args()
    wine.check_tools()
    faults = []
    for arguments, status, out, err in CASES:
        result = subprocess.run([wine.LOADER, options.game, *arguments], env=wine.environment(options.prefix),
                                capture_output=True, timeout=120)
        stdout, stderr = result.stdout.decode("utf-8", "replace"), result.stderr.decode("utf-8", "replace")
        if result.returncode != status:
            faults.append(f"{arguments}: status {result.returncode}, not {status}")
        if out.format(version=options.version) not in stdout or (not out and stdout):
            faults.append(f"{arguments}: standard output {stdout!r} lacks {out!r}")
        if status and not stderr.strip():
            faults.append(f"{arguments}: nothing said on standard error")
        if err and err not in stderr:
            faults.append(f"{arguments}: standard error {stderr!r} does not name {err!r}")
    for fault in faults:
        print(f"FAIL: {fault}")
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
