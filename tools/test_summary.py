#!/usr/bin/python3
"""Sums up `make test` from the JUnit files CTest wrote for each run, so that skipped tests show.

    test_summary.py RESULTS-DIR RUN...

Each RUN has RESULTS-DIR/RUN.xml (ctest --output-junit) and RUN.status (ctest's exit status).
Prints the skipped tests by name, then, as the last line, the counts; exits 1 when anything failed.
A test CTest could not start (its program missing) is a failure, though the file lists it as not run.
"""
import pathlib
import sys
import xml.etree.ElementTree as ElementTree

# What CTest writes for a test that asked to be skipped, by exit status or by its output.
SKIP_MESSAGES = ("SKIP_RETURN_CODE=", "SKIP_REGULAR_EXPRESSION_MATCHED")


def outcome(case):
    status = case.get("status")
    if status == "run":
        return "passed"
    if status == "disabled":
        return "skipped"
    skipped = case.find("skipped")
    if status == "notrun" and skipped is not None and skipped.get("message", "").startswith(SKIP_MESSAGES):
        return "skipped"
    return "failed"


def main():
    results = pathlib.Path(sys.argv[1])
    counts = {"passed": 0, "failed": 0, "skipped": 0}
    skipped = []
    broken_runs = []
    for run in sys.argv[2:]:
        junit = results / f"{run}.xml"
        status = results / f"{run}.status"
        if not junit.exists():
            broken_runs.append(f"{run}: CTest wrote no results")
            continue
        failed_here = 0
        for case in ElementTree.parse(junit).getroot().iter("testcase"):
            result = outcome(case)
            counts[result] += 1
            failed_here += result == "failed"
            if result == "skipped":
                skipped.append(f"{run}/{case.get('name')}")
        # CTest also fails a run for what no test case shows, such as a test list it could not read.
        if failed_here == 0 and status.exists() and status.read_text().strip() != "0":
            broken_runs.append(f"{run}: CTest ended with status {status.read_text().strip()}")
    for line in broken_runs:
        print(line)
    print("Skipped: " + (", ".join(skipped) if skipped else "none"))
    print(f"Total: {counts['passed']} passed, {counts['failed']} failed, {counts['skipped']} skipped")
    return 1 if counts["failed"] or broken_runs else 0


if __name__ == "__main__":
    sys.exit(main())
