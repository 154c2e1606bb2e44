"""The summary at the end of `make test`, fed what CTest really writes: a skipped test is named and
counted as skipped, a test whose program is missing counts as failed, and the counts come last.

    test_summary_test.py --summary tools/test_summary.py --cmake CMAKE --ctest CTEST
"""
import argparse
import pathlib
import subprocess
import sys
import tempfile

# Tests of every outcome CTest knows, as a project of their own.
ALL_OUTCOMES = """
add_test(NAME passes COMMAND true)
add_test(NAME fails COMMAND false)
add_test(NAME skips COMMAND sh -c "exit 77")
set_tests_properties(skips PROPERTIES SKIP_RETURN_CODE 77)
add_test(NAME lacks_its_program COMMAND /nonexistent/program)
add_test(NAME is_off COMMAND true)
set_tests_properties(is_off PROPERTIES DISABLED TRUE)
"""
PASSING = "add_test(NAME passes COMMAND true)\n"

# runs: {run name: tests, or None for a run that wrote no results}; then the last two lines and
# the exit status expected.
CASES = [
    ("every outcome", {"release": ALL_OUTCOMES},
     ["Skipped: release/skips, release/is_off", "Total: 1 passed, 2 failed, 2 skipped"], 1),
    ("all pass in two runs", {"release": PASSING, "web": PASSING},
     ["Skipped: none", "Total: 2 passed, 0 failed, 0 skipped"], 0),
    ("a run without results", {"release": PASSING, "asan": None},
     ["Skipped: none", "Total: 1 passed, 0 failed, 0 skipped"], 1),
]


def ctest_run(options, scratch, run, tests, results):
    source = scratch / run
    source.mkdir()
    (source / "CMakeLists.txt").write_text(
        f"cmake_minimum_required(VERSION 3.25)\nproject({run} NONE)\nenable_testing()\n{tests}")
    subprocess.run([options.cmake, "-S", source, "-B", source / "build"], check=True, capture_output=True)
    status = subprocess.run([options.ctest, "--test-dir", source / "build", "--output-junit", results / f"{run}.xml"],
                            capture_output=True).returncode
    (results / f"{run}.status").write_text(f"{status}\n")


def main():
    parser = argparse.ArgumentParser()
    for option in ("--summary", "--cmake", "--ctest"):
        parser.add_argument(option, required=True)
    options = parser.parse_args()
    failures = []
    for name, runs, last_lines, exit_status in CASES:
        with tempfile.TemporaryDirectory(prefix="tolm-summary-") as folder:
            scratch = pathlib.Path(folder)
            results = scratch / "results"
            results.mkdir()
            for run, tests in runs.items():
                if tests is not None:
                    ctest_run(options, scratch, run, tests, results)
            summary = subprocess.run([sys.executable, options.summary, results, *runs], capture_output=True, text=True)
        lines = summary.stdout.splitlines()
        if lines[-2:] != last_lines or summary.returncode != exit_status:
            failures.append(f"{name}: status {summary.returncode}, printed:\n{summary.stdout}{summary.stderr}")
    for failure in failures:
        print(f"FAIL: {failure}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
