#!/usr/bin/env python3
"""Writes returns of tax years 2001-2009 in NBER TAXSIM 35's CSV variables, for
comparing `tavrel /calc` with TAXSIM. Deterministic for a seed.

The returns avoid the places where TAXSIM departs from the law (see the README):
- no one is in the exemption phase-out range (TAXSIM phases out continuously);
- a person's wages and self-employment income stay within the wage base
  (TAXSIM leaves the wages out of the self-employment tax's base);
- no capital gains in 2003 (TAXSIM taxes all of them at the rates before May);
- in 2008 and 2009, state and local taxes go in `otheritem` only where the
  standard deduction is certain (TAXSIM adds the real-estate addition to the
  standard deduction for `proptax`, and lets the AMT deduct `otheritem`); a
  filer with `proptax` also has mortgage interest, so itemizing lowers the AMT
  as well and cannot tie with the standard deduction.

usage: generate_returns_2001_2009.py COUNT SEED > returns.csv
(compare-with-taxsim.sh runs it when YEARS=2001-2009; generate_returns.py
writes the returns of 2010-2024)
"""
import random
import sys

COLUMNS = ["taxsimid", "year", "state", "mstat", "page", "sage", "depx", "age1", "age2", "age3",
           "pwages", "swages", "psemp", "ssemp", "dividends", "intrec", "stcg", "ltcg",
           "proptax", "otheritem", "mortgage", "idtl"]

# Start of the exemption phase-out (single, joint, separately, head of household).
PHASE_OUT = {2001: (132950, 199450, 99725, 166200), 2002: (137300, 206000, 103000, 171650),
             2003: (139500, 209250, 104625, 174400), 2004: (142700, 214050, 107025, 178350),
             2005: (145950, 218950, 109475, 182450), 2006: (150500, 225750, 112875, 188150),
             2007: (156400, 234600, 117300, 195500), 2008: (159950, 239950, 119975, 199950),
             2009: (166800, 250200, 125100, 208500)}
WAGE_BASE = {2001: 80400, 2002: 84900, 2003: 87000, 2004: 87900, 2005: 90000, 2006: 94200,
             2007: 97500, 2008: 102000, 2009: 106800}


def amount(rng, top, zero_share=0.5):
    return 0 if rng.random() < zero_share else rng.randrange(top)


def one(rng, taxsimid):
    while True:
        year = rng.randrange(2001, 2010)
        mstat = rng.choice([1, 1, 2, 2, 6])
        depx = 0 if mstat == 6 else rng.choice([0, 0, 1, 2, 3])
        ages = [rng.randrange(1, 20) if i < depx else 0 for i in range(3)]
        page = rng.choice([30, 45, 70])
        sage = rng.choice([30, 45, 70]) if mstat == 2 else 0
        pwages = amount(rng, 400000, 0.15)
        swages = amount(rng, 200000) if mstat == 2 else 0
        psemp = min(amount(rng, 150000, 0.8), WAGE_BASE[year] - pwages) if pwages < WAGE_BASE[year] else 0
        ssemp = (min(amount(rng, 100000, 0.85), WAGE_BASE[year] - swages)
                 if mstat == 2 and swages < WAGE_BASE[year] else 0)
        dividends = amount(rng, 30000, 0.6)
        intrec = amount(rng, 20000, 0.6)
        stcg = amount(rng, 40000, 0.8) - (amount(rng, 20000, 0.8)) if year != 2003 else 0
        ltcg = amount(rng, 200000, 0.7) - (amount(rng, 20000, 0.85)) if year != 2003 else 0
        salt = amount(rng, 40000, 0.3)
        mortgage = amount(rng, 40000, 0.4)
        agi_guess = pwages + swages + psemp + ssemp + dividends + intrec + max(stcg + ltcg, -3000)
        status = {1: 0 if depx == 0 else 3, 2: 1, 6: 2}[mstat]
        start = PHASE_OUT[year][status]
        # The exemption phase-out runs 122,500 above its start (61,250 separately).
        width = 61250 if mstat == 6 else 122500
        if start - 5000 <= agi_guess <= start + width + 5000:
            continue
        proptax, otheritem = salt, 0
        if year >= 2008 and salt:
            if salt + mortgage < (4000 if mstat != 2 else 9000):
                proptax, otheritem = 0, salt
            else:
                mortgage = max(mortgage, 2000)
        row = dict(taxsimid=taxsimid, year=year, state=0, mstat=mstat, page=page, sage=sage, depx=depx,
                   age1=ages[0], age2=ages[1], age3=ages[2], pwages=pwages, swages=swages, psemp=psemp,
                   ssemp=ssemp, dividends=dividends, intrec=intrec, stcg=stcg, ltcg=ltcg, proptax=proptax,
                   otheritem=otheritem, mortgage=mortgage, idtl=2)
        return ",".join(str(row[c]) for c in COLUMNS)


def main():
    count, seed = int(sys.argv[1]), int(sys.argv[2])
    rng = random.Random(seed)
    print(",".join(COLUMNS))
    for i in range(1, count + 1):
        print(one(rng, i))


if __name__ == "__main__":
    main()
