#!/usr/bin/env python3
"""Writes returns of tax years 2010-2024 in NBER TAXSIM 35's CSV variables, for
comparing `tavrel /calc` (enacted law) with TAXSIM. Deterministic for a seed:
the same COUNT and SEED always give the same file.

The years take turns (return i is of year 2010 + (i - 1) mod 15), so COUNT =
15 x N gives N returns of each year. Each return draws an income scale between
$8,000 and $5,000,000 (evenly on a log scale) and splits it into wages,
self-employment income (sometimes a loss, sometimes several hundred thousand),
dividends, interest and short- and long-term gains or losses, so that the AMT,
the exemption and itemized-deduction phase-outs of 2013-2017, the 20% gain
rate, the net investment income tax and the additional Medicare tax all occur.
Property taxes (`proptax`) often pass $10,000, so the 2018-2024 cap binds, and
mortgage interest runs up to $60,000.

Filing statuses: single (mstat 1; head of household when depx > 0), joint (2)
and married filing separately (6). Dependents carry ages (some 17 or older, so
not children for the credit); taxpayer and spouse are sometimes 65 or older.

Only columns the calculator reads are written; `otheritem` (which the
calculator takes as state income tax and TAXSIM as other itemized deductions,
deductible for its AMT) is always 0, and so are every other TAXSIM variable
(pensions, gssi, rentpaid, scorp, pbusinc, ...). Nothing else is filtered:
no return is dropped for falling where TAXSIM is known to depart from the law.

usage: generate_returns.py COUNT SEED > returns.csv
"""
import math
import random
import sys

FIRST_YEAR, LAST_YEAR = 2010, 2024

COLUMNS = ["taxsimid", "year", "state", "mstat", "page", "sage", "depx", "age1", "age2", "age3",
           "pwages", "swages", "psemp", "ssemp", "dividends", "intrec", "stcg", "ltcg",
           "proptax", "otheritem", "mortgage", "idtl"]


def chance(rng, p):
    return rng.random() < p


def share(rng, scale, low, high):
    """A whole-dollar amount between low and high times the scale."""
    return int(round(scale * rng.uniform(low, high)))


def age(rng, older_share):
    return rng.randrange(65, 90) if chance(rng, older_share) else rng.randrange(22, 65)


def one(rng, taxsimid):
    year = FIRST_YEAR + (taxsimid - 1) % (LAST_YEAR - FIRST_YEAR + 1)
    mstat = rng.choice([1, 1, 2, 2, 6])
    joint = mstat == 2
    depx = rng.choice([0, 0, 1]) if mstat == 6 else rng.choice([0, 0, 1, 2, 3])
    ages = [rng.randrange(1, 24) if i < depx else 0 for i in range(3)]
    page = age(rng, 0.25)
    sage = age(rng, 0.25) if joint else 0
    scale = math.exp(rng.uniform(math.log(8000), math.log(5000000)))

    pwages = share(rng, scale, 0.1, 1.0) if chance(rng, 0.75) else 0
    swages = share(rng, scale, 0.05, 0.6) if joint and chance(rng, 0.55) else 0
    psemp = ssemp = 0
    if chance(rng, 0.35):
        psemp = share(rng, scale, -0.1, 0.02) if chance(rng, 0.1) else share(rng, scale, 0.02, 0.9)
    if joint and chance(rng, 0.2):
        ssemp = share(rng, scale, 0.02, 0.6)
    dividends = share(rng, scale, 0, 0.3) if chance(rng, 0.5) else 0
    intrec = share(rng, scale, 0, 0.1) if chance(rng, 0.5) else 0
    stcg = share(rng, scale, -0.1, 0.2) if chance(rng, 0.3) else 0
    ltcg = share(rng, scale, -0.1, 0.9) if chance(rng, 0.45) else 0
    proptax = share(rng, scale, 0, 0.08) + rng.randrange(0, 12000) if chance(rng, 0.75) else 0
    mortgage = min(share(rng, scale, 0, 0.12), rng.randrange(2000, 60000)) if chance(rng, 0.5) else 0

    row = dict(taxsimid=taxsimid, year=year, state=0, mstat=mstat, page=page, sage=sage, depx=depx,
               age1=ages[0], age2=ages[1], age3=ages[2], pwages=pwages, swages=swages, psemp=psemp,
               ssemp=ssemp, dividends=dividends, intrec=intrec, stcg=stcg, ltcg=ltcg, proptax=proptax,
               otheritem=0, mortgage=mortgage, idtl=2)
    return ",".join(str(row[c]) for c in COLUMNS)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__.strip().splitlines()[-1])
    count, seed = int(sys.argv[1]), int(sys.argv[2])
    rng = random.Random(seed)
    print(",".join(COLUMNS))
    for i in range(1, count + 1):
        print(one(rng, i))


if __name__ == "__main__":
    main()
