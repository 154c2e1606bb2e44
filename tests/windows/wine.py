"""Wine as the Windows tests use it: Debian's wine64 loader, a prefix of the test run's own (never
the user's ~/.wine), and no dialogs asking to fetch anything.

As a program, for CTest's fixture and the quick tests:
    wine.py --prefix DIR setup       makes the prefix (a few seconds to a minute)
    wine.py --prefix DIR run EXE...  runs a Windows program in it, with its exit status
    wine.py --prefix DIR cleanup     ends the prefix's processes and removes it
"""
import os
import shutil
import subprocess
import sys

LOADER = "/usr/lib/wine/wine64"
SERVER = "/usr/lib/wine/wineserver"
# CTest's SKIP_RETURN_CODE; under `make test` (TOLM_TOOLS_REQUIRED=1) a missing tool fails instead.
SKIP = 77


def check_tools():
    for tool in (LOADER, SERVER):
        if not os.access(tool, os.X_OK):
            why = f"{tool} is missing (Debian package wine64; `make deps` installs it)"
            if os.environ.get("TOLM_TOOLS_REQUIRED") == "1":
                print(f"FAIL: {why}")
                sys.exit(1)
            print(f"SKIP: {why}")
            sys.exit(SKIP)


def environment(prefix, display=None):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    # No Mono or Gecko: a prefix without them asks to download them, and the game needs neither.
    # No debugger either: a program that crashes ends at once, as a failure, instead of waiting.
    env.update(WINEPREFIX=os.path.abspath(prefix), WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d",
               WINEARCH="win64")
    if display:
        env["DISPLAY"] = display
    return env


def setup(prefix):
    shutil.rmtree(prefix, ignore_errors=True)
    subprocess.run([LOADER, "wineboot", "-i"], env=environment(prefix), check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300)
    # The prefix is ready once its server has written the registry.
    subprocess.run([SERVER, "-w"], env=environment(prefix), check=True, timeout=300)


def cleanup(prefix):
    if os.path.isdir(prefix):
        subprocess.run([SERVER, "-k"], env=environment(prefix), timeout=60)
    shutil.rmtree(prefix, ignore_errors=True)


def main():
    check_tools()
    prefix, command = sys.argv[2], sys.argv[3]
    if command == "setup":
        setup(prefix)
    elif command == "cleanup":
        cleanup(prefix)
    else:
        sys.exit(subprocess.run([LOADER, *sys.argv[4:]], env=environment(prefix)).returncode)


if __name__ == "__main__":
    main()
