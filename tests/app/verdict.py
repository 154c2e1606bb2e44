"""How the program's own tests end: every failure on a line of its own, then PASS, or status 1."""
import sys


def finish(failures):
    for failure in failures:
        print(f"FAIL: {failure}")
    print("PASS" if not failures else "")
    sys.exit(1 if failures else 0)
