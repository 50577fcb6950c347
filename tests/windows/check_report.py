"""The end of a build check: its faults, one a line, a count, and the exit status."""
import sys


def finish(failures, checked):
    for failure in failures:
        print(failure)
    print(f"{checked} checked, {len(failures)} faults")
    sys.exit(1 if failures else 0)
