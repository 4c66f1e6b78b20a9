#!/usr/bin/env python3
"""Runs the independent model on every scenario that has an expected output file
and reports, per file, whether the bytes are identical."""
import glob
import os
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
MAIN = os.path.abspath(os.path.join(HERE, "..", ".."))
MODEL = os.path.join(HERE, "independent_report.py")


def enacted(amt):
    """Whether the scenario is computed under the law as enacted, which the
    independent model (the 2008 tables) does not cover."""
    with open(amt, encoding="latin-1") as f:
        return any(line.strip().lower().replace(" ", "") == "lawedition=enacted" for line in f)


def pairs():
    for amt in sorted(glob.glob(os.path.join(MAIN, "tests", "data", "reference", "*.amt"))):
        yield amt, amt[:-4] + ".expected.txt"
    for folder in ("examples", os.path.join("tests", "data", "silent")):
        for amt in sorted(glob.glob(os.path.join(MAIN, folder, "*.amt"))):
            name = os.path.basename(amt)[:-4]
            yield amt, os.path.join(MAIN, "tests", "data", "golden", name + ".expected.txt")


def main():
    extra = sys.argv[1:]
    start = time.time()
    worst = 0
    for amt, exp in pairs():
        if enacted(amt):
            print(f"{os.path.basename(amt)}: enacted law, outside the independent model (skipped)")
            continue
        t0 = time.time()
        r = subprocess.run([sys.executable, MODEL, amt, "--compare", exp] + extra,
                           capture_output=True, text=True)
        sys.stdout.write(r.stdout)
        sys.stdout.write(r.stderr)
        print(f"    ({time.time() - t0:.2f} s, exit {r.returncode})")
        worst = max(worst, r.returncode)
    print(f"total {time.time() - start:.1f} s")
    return worst


if __name__ == "__main__":
    sys.exit(main())
