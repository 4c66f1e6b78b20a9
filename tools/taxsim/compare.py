#!/usr/bin/env python3
"""Compares the results of `tavrel /calc` with TAXSIM's output for the same
returns: the figures both print (AGI, taxable income, regular tax, AMT income,
AMT) must agree within $1. Prints each disagreement and a count per figure.

usage: compare.py RETURNS.csv TAVREL.csv TAXSIM.csv
"""
import csv
import sys

FIGURES = {"v10": "AGI", "v18": "taxable income", "v28": "regular tax", "v26": "AMT income", "v27": "AMT"}


def rows(path):
    with open(path, newline="") as f:
        return {str(int(float(r["taxsimid"]))): r for r in csv.DictReader(f)}


def main():
    inputs, ours, theirs = rows(sys.argv[1]), rows(sys.argv[2]), rows(sys.argv[3])
    counts = {k: 0 for k in FIGURES}
    failed = 0
    for key, mine in ours.items():
        if mine.get("error"):
            failed += 1
            print(f"{key}: error {mine['error']}")
            continue
        peer = theirs[key]
        diffs = []
        for k in FIGURES:
            a, b = float(mine[k] or 0), float(peer[k] or 0)
            if abs(a - b) > 1.0:
                counts[k] += 1
                diffs.append(f"{k} {a:.2f} vs {b:.2f}")
        if diffs:
            r = inputs[key]
            print(f"{key} ({r['year']}, mstat {r['mstat']}): " + "; ".join(diffs))
    print(f"{len(ours)} returns, {failed} errors; beyond $1: " +
          ", ".join(f"{FIGURES[k]} {n}" for k, n in counts.items()))
    return 1 if failed or any(counts.values()) else 0


if __name__ == "__main__":
    sys.exit(main())
