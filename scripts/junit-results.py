#!/usr/bin/env python3
"""Counts of CTest's JUnit files: prints `PASSED FAILED [FAILING NAME ...]`.

    junit-results.py FILE...
    junit-results.py --skipped FILE...

A test counts as failed when CTest marks it "fail" or gives it a <failure>;
every other test in the file (passed, or skipped by the test itself) counts
as passed, as in CTest's own "N% tests passed" line.

With --skipped, instead: a line `skipped NAME: REASON` for each test that
skipped itself, its reason the first line GoogleTest printed after
"Skipped" (else CTest's message), so that a log says why a test did not run.
"""
import sys
import xml.etree.ElementTree as ElementTree


def results(paths):
    passed, failing = 0, []
    for path in paths:
        for case in ElementTree.parse(path).getroot().iter("testcase"):
            if case.get("status") == "fail" or case.find("failure") is not None:
                failing.append(case.get("name"))
            else:
                passed += 1
    return passed, failing


def skip_reason(case):
    lines = (case.findtext("system-out") or "").splitlines()
    for line, following in zip(lines, lines[1:]):
        if line.endswith(": Skipped") and following.strip():
            return following.strip()
    return case.find("skipped").get("message", "")


def skipped(paths):
    for path in paths:
        for case in ElementTree.parse(path).getroot().iter("testcase"):
            if case.find("skipped") is not None:
                yield case.get("name"), skip_reason(case)


def main():
    if len(sys.argv) < 2:
        sys.exit("usage: junit-results.py [--skipped] FILE...")
    if sys.argv[1] == "--skipped":
        for name, reason in skipped(sys.argv[2:]):
            print(f"skipped {name}: {reason}")
        return
    passed, failing = results(sys.argv[1:])
    print(" ".join([str(passed), str(len(failing))] + failing))


if __name__ == "__main__":
    main()
