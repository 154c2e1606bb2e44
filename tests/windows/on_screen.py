"""A Windows test program that opens the game's window, run under Wine on an X server of its own
with a window manager, as a player's screen has.

    on_screen.py --prefix DIR EXE...    ends with the program's exit status
"""
import argparse
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "realwindow"))
import realwindow as rw  # noqa: E402
import wine  # noqa: E402


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--prefix", required=True)
    parser.add_argument("program", nargs="+")
    options = parser.parse_args()
    wine.check_tools()
    for program in ("Xvfb", "openbox"):
        if subprocess.run(["which", program], capture_output=True).returncode != 0:
            rw.skip(f"{program} is missing (`make deps` installs it)")
    screen = rw.Screen(window_manager=True)
    try:
        status = subprocess.run([wine.LOADER, *options.program], env=wine.environment(options.prefix, screen.display),
                                timeout=300).returncode
    finally:
        screen.close()
    sys.exit(status)


if __name__ == "__main__":
    main()
