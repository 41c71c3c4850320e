#!/usr/bin/env python3
"""Counts of CTest's JUnit files: prints `PASSED FAILED [FAILING NAME ...]`.

    junit-results.py FILE...

A test counts as failed when CTest marks it "fail" or gives it a <failure>;
every other test in the file (passed, or skipped by the test itself) counts
as passed, as in CTest's own "N% tests passed" line.
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


def main():
    if len(sys.argv) < 2:
        sys.exit("usage: junit-results.py FILE...")
    passed, failing = results(sys.argv[1:])
    print(" ".join([str(passed), str(len(failing))] + failing))


if __name__ == "__main__":
    main()
