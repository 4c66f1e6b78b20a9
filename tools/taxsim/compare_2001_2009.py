#!/usr/bin/env python3
"""Compares the results of `tavrel /calc` with TAXSIM's output for the same
returns: the figures both print (AGI, taxable income, regular tax, AMT income,
AMT) must agree within $1. TAXSIM prints AMT income below zero as 0; so does
the comparison.

A disagreement is put down to one of TAXSIM's known departures from the law
when its signs are there (see the README); the rest are unexplained. Prints
every disagreement with its reason, and the counts.

usage: compare_2001_2009.py RETURNS.csv TAVREL.csv TAXSIM.csv
(for the returns of generate_returns_2001_2009.py; compare.py compares
2010-2024)
"""
import csv
import sys

FIGURES = {"v10": "AGI", "v18": "taxable income", "v28": "regular tax", "v26": "AMT income", "v27": "AMT"}


def rows(path):
    with open(path, newline="") as f:
        return {str(int(float(r["taxsimid"]))): r for r in csv.DictReader(f)}


def number(row, key):
    return float(row.get(key) or 0)


def departure(inp, mine, peer):
    """The known departure of TAXSIM's that explains the difference, or None."""
    year = int(inp["year"])
    if abs(number(mine, "v14") - number(peer, "v14")) > 1.0:
        return "TAXSIM phases exemptions out continuously"
    if year in (2008, 2009) and number(inp, "proptax") > 0 and number(peer, "v13") > number(mine, "v13") + 1.0:
        return "TAXSIM adds the real-estate addition to the standard deduction"
    if number(inp, "otheritem") > 0 and number(peer, "v17") > 0 and \
            abs(number(mine, "v26") - number(peer, "v26") - number(inp, "otheritem")) <= 1.0:
        return "TAXSIM's AMT deducts otheritem"
    if number(inp, "otheritem") > 0 and number(peer, "v17") > 0 and number(mine, "v17") == 0:
        return "TAXSIM itemizes otheritem, which its AMT deducts"
    if year == 2008 and number(peer, "v13") == 0 and number(mine, "v13") > number(peer, "v17"):
        return "TAXSIM gives some low-income 2008 returns no standard deduction"
    gains = number(inp, "ltcg") + number(inp, "stcg")
    if year in (2001, 2002) and gains > 0 and number(peer, "v28") > number(mine, "v28"):
        return "TAXSIM's 2001-2002 gain worksheet taxes the gains above the 10% rate within the 15% bracket"
    if year in (2001, 2002) and number(inp, "dividends") > 0 and number(peer, "v27") < number(mine, "v27"):
        return "TAXSIM's 2001-2002 AMT gives dividends the gain rates"
    ours = number(mine, "v28") + number(mine, "v27")
    theirs = number(peer, "v28") + number(peer, "v27")
    if number(mine, "v17") > 0 and number(peer, "v17") == 0 and ours < theirs - 1.0:
        return "TAXSIM keeps the standard deduction where itemizing costs less"
    if number(inp, "psemp") + number(inp, "ssemp") != 0 and abs(number(mine, "v10") - number(peer, "v10")) > 1.0:
        return "TAXSIM leaves wages out of the self-employment tax's base"
    if all(abs(number(mine, k) - number(peer, k)) <= 2.0 for k in FIGURES):
        return "rounding: each phase-out rounds to whole dollars, TAXSIM keeps cents"
    return None


def main():
    inputs, ours, theirs = rows(sys.argv[1]), rows(sys.argv[2]), rows(sys.argv[3])
    counts = {k: 0 for k in FIGURES}
    reasons = {}
    failed = unexplained = 0
    for key, mine in ours.items():
        if mine.get("error"):
            failed += 1
            print(f"{key}: error {mine['error']}")
            continue
        peer = theirs[key]
        diffs = []
        for k in FIGURES:
            a, b = number(mine, k), number(peer, k)
            if k == "v26":
                a = max(a, 0.0)
            if abs(a - b) > 1.0:
                counts[k] += 1
                diffs.append(f"{k} {a:.2f} vs {b:.2f}")
        if diffs:
            r = inputs[key]
            why = departure(r, mine, peer)
            reasons[why or "unexplained"] = reasons.get(why or "unexplained", 0) + 1
            unexplained += why is None
            print(f"{key} ({r['year']}, mstat {r['mstat']}): " + "; ".join(diffs) + f"  [{why or 'UNEXPLAINED'}]")
    print(f"{len(ours)} returns, {failed} errors; beyond $1: " +
          ", ".join(f"{FIGURES[k]} {n}" for k, n in counts.items()))
    for why, n in sorted(reasons.items(), key=lambda x: -x[1]):
        print(f"  {n:5d}  {why}")
    return 1 if failed or unexplained else 0


if __name__ == "__main__":
    sys.exit(main())
