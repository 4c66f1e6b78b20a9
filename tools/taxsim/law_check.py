#!/usr/bin/env python3
"""An independent computation of the figures `tavrel /calc` and TAXSIM both
print, for tax years 2010-2024, written from the project's law document
(shared/law/enacted-law-2010-2026.md: the per-year tables of its section 2 and
the rules of its section 1) and the IRS forms those rules come from. It shares
no code with the engine; compare.py uses it to tell, for every disagreement,
which side follows the law.

The same computation, with some of TAXSIM's departures from the law switched
on (`PEER_DEPARTURES`), reproduces TAXSIM: compare.py switches on the ones a
return meets and names, for each figure that differs, the departures that
move it. Each departure was found by running TAXSIM on single returns and is
described where it is applied.

The computation covers what generate_returns.py writes: wages, self-employment
income, dividends (all qualified), interest, short- and long-term gains,
property taxes (`proptax` and `otheritem` both as state and local taxes) and
mortgage interest (all of it deductible by both taxes). Amounts are kept in
cents, unrounded; the engine rounds some lines to whole dollars, so the two
agree within a dollar or two, not to the cent.
"""
import math

SINGLE, JOINT, SEPARATE, HEAD = range(4)
STATUS_NAMES = ["single", "joint", "separate", "head of household"]

# Per year, per status (single, joint, separately, head of household), from the
# law document's tables: the rates and the tops of every bracket but the last,
# the standard deduction and its addition per box (65 or older), the personal
# exemption, the starts of the exemption phase-out and the itemized limitation
# (2013-2017), the state-and-local-tax cap, the AMT exemption, its phase-out
# start, the AMT income above which a separate return adds back its exemption,
# the 26%/28% break, the top of the 0% gain rate and the start of the 20% rate,
# the social-security wage base and the QBI threshold.
FIGURES = {
    2010: dict(
        rates=[0.1, 0.15, 0.25, 0.28, 0.33, 0.35],
        tops=[
            [8375, 34000, 82400, 171850, 373650],
            [16750, 68000, 137300, 209250, 373650],
            [8375, 34000, 68650, 104625, 186825],
            [11950, 45550, 117650, 190550, 373650],
        ],
        std=[5700, 11400, 5700, 8400],
        box=[1400, 1100, 1100, 1400],
        exemption=[3650, 3650, 3650, 3650],
        pep=None,
        pease=None,
        salt=[None, None, None, None],
        amt_ex=[47450, 72450, 36225, 47450],
        amt_po=[112500, 150000, 75000, 112500],
        mfs_addback=219900,
        amt_break=[175000, 175000, 87500, 175000],
        zero_top=[34000, 68000, 34000, 45550],
        twenty=None,
        wage_base=106800,
        qbi=None,
    ),
    2011: dict(
        rates=[0.1, 0.15, 0.25, 0.28, 0.33, 0.35],
        tops=[
            [8500, 34500, 83600, 174400, 379150],
            [17000, 69000, 139350, 212300, 379150],
            [8500, 34500, 69675, 106150, 189575],
            [12150, 46250, 119400, 193350, 379150],
        ],
        std=[5800, 11600, 5800, 8500],
        box=[1450, 1150, 1150, 1450],
        exemption=[3700, 3700, 3700, 3700],
        pep=None,
        pease=None,
        salt=[None, None, None, None],
        amt_ex=[48450, 74450, 37225, 48450],
        amt_po=[112500, 150000, 75000, 112500],
        mfs_addback=223900,
        amt_break=[175000, 175000, 87500, 175000],
        zero_top=[34500, 69000, 34500, 46250],
        twenty=None,
        wage_base=106800,
        qbi=None,
    ),
    2012: dict(
        rates=[0.1, 0.15, 0.25, 0.28, 0.33, 0.35],
        tops=[
            [8700, 35350, 85650, 178650, 388350],
            [17400, 70700, 142700, 217450, 388350],
            [8700, 35350, 71350, 108725, 194175],
            [12400, 47350, 122300, 198050, 388350],
        ],
        std=[5950, 11900, 5950, 8700],
        box=[1450, 1150, 1150, 1450],
        exemption=[3800, 3800, 3800, 3800],
        pep=None,
        pease=None,
        salt=[None, None, None, None],
        amt_ex=[50600, 78750, 39375, 50600],
        amt_po=[112500, 150000, 75000, 112500],
        mfs_addback=232500,
        amt_break=[175000, 175000, 87500, 175000],
        zero_top=[35350, 70700, 35350, 47350],
        twenty=None,
        wage_base=110100,
        qbi=None,
    ),
    2013: dict(
        rates=[0.1, 0.15, 0.25, 0.28, 0.33, 0.35, 0.396],
        tops=[
            [8925, 36250, 87850, 183250, 398350, 400000],
            [17850, 72500, 146400, 223050, 398350, 450000],
            [8925, 36250, 73200, 111525, 199175, 225000],
            [12750, 48600, 125450, 203150, 398350, 425000],
        ],
        std=[6100, 12200, 6100, 8950],
        box=[1500, 1200, 1200, 1500],
        exemption=[3900, 3900, 3900, 3900],
        pep=[250000, 300000, 150000, 275000],
        pease=[250000, 300000, 150000, 275000],
        salt=[None, None, None, None],
        amt_ex=[51900, 80800, 40400, 51900],
        amt_po=[115400, 153900, 76950, 115400],
        mfs_addback=238550,
        amt_break=[179500, 179500, 89750, 179500],
        zero_top=[36250, 72500, 36250, 48600],
        twenty=[400000, 450000, 225000, 425000],
        wage_base=113700,
        qbi=None,
    ),
    2014: dict(
        rates=[0.1, 0.15, 0.25, 0.28, 0.33, 0.35, 0.396],
        tops=[
            [9075, 36900, 89350, 186350, 405100, 406750],
            [18150, 73800, 148850, 226850, 405100, 457600],
            [9075, 36900, 74425, 113425, 202550, 228800],
            [12950, 49400, 127550, 206600, 405100, 432200],
        ],
        std=[6200, 12400, 6200, 9100],
        box=[1550, 1200, 1200, 1550],
        exemption=[3950, 3950, 3950, 3950],
        pep=[254200, 305050, 152525, 279650],
        pease=[254200, 305050, 152525, 279650],
        salt=[None, None, None, None],
        amt_ex=[52800, 82100, 41050, 52800],
        amt_po=[117300, 156500, 78250, 117300],
        mfs_addback=242450,
        amt_break=[182500, 182500, 91250, 182500],
        zero_top=[36900, 73800, 36900, 49400],
        twenty=[406750, 457600, 228800, 432200],
        wage_base=117000,
        qbi=None,
    ),
    2015: dict(
        rates=[0.1, 0.15, 0.25, 0.28, 0.33, 0.35, 0.396],
        tops=[
            [9225, 37450, 90750, 189300, 411500, 413200],
            [18450, 74900, 151200, 230450, 411500, 464850],
            [9225, 37450, 75600, 115225, 205750, 232425],
            [13150, 50200, 129600, 209850, 411500, 439000],
        ],
        std=[6300, 12600, 6300, 9250],
        box=[1550, 1250, 1250, 1550],
        exemption=[4000, 4000, 4000, 4000],
        pep=[258250, 309900, 154950, 284050],
        pease=[258250, 309900, 154950, 284050],
        salt=[None, None, None, None],
        amt_ex=[53600, 83400, 41700, 53600],
        amt_po=[119200, 158900, 79450, 119200],
        mfs_addback=246250,
        amt_break=[185400, 185400, 92700, 185400],
        zero_top=[37450, 74900, 37450, 50200],
        twenty=[413200, 464850, 232425, 439000],
        wage_base=118500,
        qbi=None,
    ),
    2016: dict(
        rates=[0.1, 0.15, 0.25, 0.28, 0.33, 0.35, 0.396],
        tops=[
            [9275, 37650, 91150, 190150, 413350, 415050],
            [18550, 75300, 151900, 231450, 413350, 466950],
            [9275, 37650, 75950, 115725, 206675, 233475],
            [13250, 50400, 130150, 210800, 413350, 441000],
        ],
        std=[6300, 12600, 6300, 9300],
        box=[1550, 1250, 1250, 1550],
        exemption=[4050, 4050, 4050, 4050],
        pep=[259400, 311300, 155650, 285350],
        pease=[259400, 311300, 155650, 285350],
        salt=[None, None, None, None],
        amt_ex=[53900, 83800, 41900, 53900],
        amt_po=[119700, 159700, 79850, 119700],
        mfs_addback=247450,
        amt_break=[186300, 186300, 93150, 186300],
        zero_top=[37650, 75300, 37650, 50400],
        twenty=[415050, 466950, 233475, 441000],
        wage_base=118500,
        qbi=None,
    ),
    2017: dict(
        rates=[0.1, 0.15, 0.25, 0.28, 0.33, 0.35, 0.396],
        tops=[
            [9325, 37950, 91900, 191650, 416700, 418400],
            [18650, 75900, 153100, 233350, 416700, 470700],
            [9325, 37950, 76550, 116675, 208350, 235350],
            [13350, 50800, 131200, 212500, 416700, 444550],
        ],
        std=[6350, 12700, 6350, 9350],
        box=[1550, 1250, 1250, 1550],
        exemption=[4050, 4050, 4050, 4050],
        pep=[261500, 313800, 156900, 287650],
        pease=[261500, 313800, 156900, 287650],
        salt=[None, None, None, None],
        amt_ex=[54300, 84500, 42250, 54300],
        amt_po=[120700, 160900, 80450, 120700],
        mfs_addback=249450,
        amt_break=[187800, 187800, 93900, 187800],
        zero_top=[37950, 75900, 37950, 50800],
        twenty=[418400, 470700, 235350, 444550],
        wage_base=127200,
        qbi=None,
    ),
    2018: dict(
        rates=[0.1, 0.12, 0.22, 0.24, 0.32, 0.35, 0.37],
        tops=[
            [9525, 38700, 82500, 157500, 200000, 500000],
            [19050, 77400, 165000, 315000, 400000, 600000],
            [9525, 38700, 82500, 157500, 200000, 300000],
            [13600, 51800, 82500, 157500, 200000, 500000],
        ],
        std=[12000, 24000, 12000, 18000],
        box=[1600, 1300, 1300, 1600],
        exemption=[0, 0, 0, 0],
        pep=None,
        pease=None,
        salt=[10000, 10000, 5000, 10000],
        amt_ex=[70300, 109400, 54700, 70300],
        amt_po=[500000, 1000000, 500000, 500000],
        mfs_addback=718800,
        amt_break=[191100, 191100, 95550, 191100],
        zero_top=[38600, 77200, 38600, 51700],
        twenty=[425800, 479000, 239500, 452400],
        wage_base=128400,
        qbi=[157500, 315000, 157500, 157500],
    ),
    2019: dict(
        rates=[0.1, 0.12, 0.22, 0.24, 0.32, 0.35, 0.37],
        tops=[
            [9700, 39475, 84200, 160725, 204100, 510300],
            [19400, 78950, 168400, 321450, 408200, 612350],
            [9700, 39475, 84200, 160725, 204100, 306175],
            [13850, 52850, 84200, 160700, 204100, 510300],
        ],
        std=[12200, 24400, 12200, 18350],
        box=[1650, 1300, 1300, 1650],
        exemption=[0, 0, 0, 0],
        pep=None,
        pease=None,
        salt=[10000, 10000, 5000, 10000],
        amt_ex=[71700, 111700, 55850, 71700],
        amt_po=[510300, 1020600, 510300, 510300],
        mfs_addback=733700,
        amt_break=[194800, 194800, 97400, 194800],
        zero_top=[39375, 78750, 39375, 52750],
        twenty=[434550, 488850, 244425, 461700],
        wage_base=132900,
        qbi=[160700, 321400, 160725, 160700],
    ),
    2020: dict(
        rates=[0.1, 0.12, 0.22, 0.24, 0.32, 0.35, 0.37],
        tops=[
            [9875, 40125, 85525, 163300, 207350, 518400],
            [19750, 80250, 171050, 326600, 414700, 622050],
            [9875, 40125, 85525, 163300, 207350, 311025],
            [14100, 53700, 85500, 163300, 207350, 518400],
        ],
        std=[12400, 24800, 12400, 18650],
        box=[1650, 1300, 1300, 1650],
        exemption=[0, 0, 0, 0],
        pep=None,
        pease=None,
        salt=[10000, 10000, 5000, 10000],
        amt_ex=[72900, 113400, 56700, 72900],
        amt_po=[518400, 1036800, 518400, 518400],
        mfs_addback=745200,
        amt_break=[197900, 197900, 98950, 197900],
        zero_top=[40000, 80000, 40000, 53600],
        twenty=[441450, 496600, 248300, 469050],
        wage_base=137700,
        qbi=[163300, 326600, 163300, 163300],
    ),
    2021: dict(
        rates=[0.1, 0.12, 0.22, 0.24, 0.32, 0.35, 0.37],
        tops=[
            [9950, 40525, 86375, 164925, 209425, 523600],
            [19900, 81050, 172750, 329850, 418850, 628300],
            [9950, 40525, 86375, 164925, 209425, 314150],
            [14200, 54200, 86350, 164900, 209400, 523600],
        ],
        std=[12550, 25100, 12550, 18800],
        box=[1700, 1350, 1350, 1700],
        exemption=[0, 0, 0, 0],
        pep=None,
        pease=None,
        salt=[10000, 10000, 5000, 10000],
        amt_ex=[73600, 114600, 57300, 73600],
        amt_po=[523600, 1047200, 523600, 523600],
        mfs_addback=752800,
        amt_break=[199900, 199900, 99950, 199900],
        zero_top=[40400, 80800, 40400, 54100],
        twenty=[445850, 501600, 250800, 473750],
        wage_base=142800,
        qbi=[164900, 329800, 164925, 164900],
    ),
    2022: dict(
        rates=[0.1, 0.12, 0.22, 0.24, 0.32, 0.35, 0.37],
        tops=[
            [10275, 41775, 89075, 170050, 215950, 539900],
            [20550, 83550, 178150, 340100, 431900, 647850],
            [10275, 41775, 89075, 170050, 215950, 323925],
            [14650, 55900, 89050, 170050, 215950, 539900],
        ],
        std=[12950, 25900, 12950, 19400],
        box=[1750, 1400, 1400, 1750],
        exemption=[0, 0, 0, 0],
        pep=None,
        pease=None,
        salt=[10000, 10000, 5000, 10000],
        amt_ex=[75900, 118100, 59050, 75900],
        amt_po=[539900, 1079800, 539900, 539900],
        mfs_addback=776100,
        amt_break=[206100, 206100, 103050, 206100],
        zero_top=[41675, 83350, 41675, 55800],
        twenty=[459750, 517200, 258600, 488500],
        wage_base=147000,
        qbi=[170050, 340100, 170050, 170050],
    ),
    2023: dict(
        rates=[0.1, 0.12, 0.22, 0.24, 0.32, 0.35, 0.37],
        tops=[
            [11000, 44725, 95375, 182100, 231250, 578125],
            [22000, 89450, 190750, 364200, 462500, 693750],
            [11000, 44725, 95375, 182100, 231250, 346875],
            [15700, 59850, 95350, 182100, 231250, 578100],
        ],
        std=[13850, 27700, 13850, 20800],
        box=[1850, 1500, 1500, 1850],
        exemption=[0, 0, 0, 0],
        pep=None,
        pease=None,
        salt=[10000, 10000, 5000, 10000],
        amt_ex=[81300, 126500, 63250, 81300],
        amt_po=[578150, 1156300, 578150, 578150],
        mfs_addback=831150,
        amt_break=[220700, 220700, 110350, 220700],
        zero_top=[44625, 89250, 44625, 59750],
        twenty=[492300, 553850, 276900, 523050],
        wage_base=160200,
        qbi=[182100, 364200, 182100, 182100],
    ),
    2024: dict(
        rates=[0.1, 0.12, 0.22, 0.24, 0.32, 0.35, 0.37],
        tops=[
            [11600, 47150, 100525, 191950, 243725, 609350],
            [23200, 94300, 201050, 383900, 487450, 731200],
            [11600, 47150, 100525, 191950, 243725, 365600],
            [16550, 63100, 100500, 191950, 243700, 609350],
        ],
        std=[14600, 29200, 14600, 21900],
        box=[1950, 1550, 1550, 1950],
        exemption=[0, 0, 0, 0],
        pep=None,
        pease=None,
        salt=[10000, 10000, 5000, 10000],
        amt_ex=[85700, 133300, 66650, 85700],
        amt_po=[609350, 1218700, 609350, 609350],
        mfs_addback=875950,
        amt_break=[232600, 232600, 116300, 232600],
        zero_top=[47025, 94050, 47025, 63000],
        twenty=[518900, 583750, 291850, 551350],
        wage_base=168600,
        qbi=[191950, 383900, 191950, 191950],
    ),
}

NIIT_THRESHOLD = [200000, 250000, 125000, 200000]
ADDMED_THRESHOLD = [200000, 250000, 125000, 200000]
SE_FACTOR = 0.9235

# TAXSIM's departures from the law that the peer model can switch on.
PEER_DEPARTURES = {
    "se_wage_base": "its self-employment tax applies the wage base without the person's wages",
    "se_under_400": "it taxes net earnings from self-employment under $400 (the law: none are taxed)",
    "se_holiday": "its 2011-2012 self-employment tax takes 11.4% for social security (the law: 10.4%) "
                  "and deducts half of the tax (the law: 59.6% of the social-security part + half of Medicare)",
    "qbi_se_base": "its QBI takes off 92.35% of its self-employment deduction, "
                   "not the deduction the return takes",
    "qbi_wage_limit": "its QBI deduction has no W-2 wage limit above the threshold "
                      "(the law: a sole proprietor paying no wages loses it over the phase-in range)",
    "qbi_gains": "its QBI income limit takes off the capital gain or loss of the return (short-term "
                 "gains in, a deducted loss added back, so that a return with no taxable income can get "
                 "a deduction) and not the qualified dividends (the law: net capital gain as in section "
                 "1(h), long-term gain less short-term loss plus the dividends)",
    "addmed_se_full": "its additional Medicare tax counts all of the self-employment income "
                      "(the law: 92.35% of it, as on Form 8959)",
    "addmed_separate": "its additional Medicare tax starts at 200,000 on a separate return (the law: 125,000)",
    "pep_continuous": "its 2013-2017 exemption phase-out is continuous (the law: 2% for each 2,500 or part)",
    "kiddie_amt": "in 2010-2017 it limits the AMT exemption of a filer under 24 (both spouses under 24 "
                  "on a joint return) to earned income plus the child's amount, as if a child under the "
                  "kiddie tax; the law does that only for a dependent child",
    "schedule_2024": "its 2024 bracket tops, gain-rate breakpoints and AMT 26%/28% break are its 2023 "
                     "figures times 1.054, not the published 2024 figures",
    "amt_separate_2024": "in 2024 its separate return adds to AMT income 25% of the AMT income above 87,603 "
                         "(the law: above 875,950), up to the exemption",
    "amt_addback_qbi": "its separate-return AMT add-back measures AMT income before the QBI deduction "
                       "(the law: AMT income, which is after it)",
    "gain_breaks": "in its regular tax the 20% gain rate starts at 459,650 for a single filer in 2022 "
                   "(the law: 459,750) and at 276,925 for a separate return in 2023 (the law: 276,900); "
                   "its AMT keeps the law's figure (seen in 2022)",
    "deduction_choice": "it picks the standard deduction or the itemized deductions by the tax after "
                        "credits (a tie takes the standard deduction), not by the regular tax + AMT",
}

# The AMT exemption TAXSIM gives a filer under 24 in 2010-2017: earned income plus this.
KIDDIE_AMT_AMOUNT = {2010: 6700, 2011: 6800, 2012: 6950, 2013: 7150, 2014: 7250, 2015: 7400,
                     2016: 7400, 2017: 7500}


def status_of(row):
    mstat = int(float(row["mstat"]))
    if mstat == 2:
        return JOINT
    if mstat == 6:
        return SEPARATE
    return HEAD if int(float(row.get("depx") or 0)) > 0 else SINGLE


def value(row, key):
    return float(row.get(key) or 0)


def ordinary_tax(income, rates, tops):
    """The tax on income at the bracket rates."""
    tax, lower = 0.0, 0.0
    for rate, top in zip(rates, list(tops) + [math.inf]):
        if income <= lower:
            break
        tax += (min(income, top) - lower) * rate
        lower = top
    return tax


def se_tax(year, wages, se, quirks):
    """The self-employment tax of one person and its deductible part."""
    if se <= 0:
        return 0.0, 0.0
    earnings = se * SE_FACTOR
    if earnings < 400 and "se_under_400" not in quirks:
        return 0.0, 0.0
    base = FIGURES[year]["wage_base"]
    room = base if "se_wage_base" in quirks else max(0.0, base - wages)
    holiday = year in (2011, 2012)
    oasdi_rate = 0.104 if holiday else 0.124
    if holiday and "se_holiday" in quirks:
        oasdi_rate = 0.114
    oasdi = min(earnings, room) * oasdi_rate
    medicare = earnings * 0.029
    if holiday and "se_holiday" not in quirks:
        deduction = 0.596 * oasdi + 0.5 * medicare
    else:
        deduction = 0.5 * (oasdi + medicare)
    return oasdi + medicare, deduction


def gain_breaks(year, status, quirks, amt=False):
    """The top of the 0% gain rate and the start of the 20% rate (amt: for
    the tentative minimum tax)."""
    f = FIGURES[year]
    zero = f["zero_top"][status]
    twenty = f["twenty"][status] if f["twenty"] else math.inf
    if year == 2024 and "schedule_2024" in quirks:
        zero, twenty = gain_breaks(2023, status, quirks)
        zero, twenty = zero * 1.054, twenty * 1.054
    if "gain_breaks" in quirks and not amt:
        if year == 2022 and status == SINGLE:
            twenty = 459650
        if year == 2023 and status == SEPARATE:
            twenty = 276925
    return zero, twenty


def bracket_tops(year, status, quirks):
    tops = FIGURES[year]["tops"][status]
    if year == 2024 and "schedule_2024" in quirks:
        return [t * 1.054 for t in FIGURES[2023]["tops"][status]]
    return tops


def regular_tax(year, status, taxable, preferred, quirks):
    """The regular tax: the ordinary rates, or the gain rates on the
    dividends and net capital gain where that is lower. Returns the tax and
    the ordinary part of taxable income."""
    rates, tops = FIGURES[year]["rates"], bracket_tops(year, status, quirks)
    preferred = min(max(preferred, 0.0), taxable)
    ordinary = taxable - preferred
    zero, twenty = gain_breaks(year, status, quirks)
    at_zero = min(preferred, max(0.0, zero - ordinary))
    at_fifteen = min(preferred - at_zero, max(0.0, twenty - ordinary - at_zero))
    at_twenty = preferred - at_zero - at_fifteen
    with_gains = ordinary_tax(ordinary, rates, tops) + 0.15 * at_fifteen + 0.20 * at_twenty
    return min(with_gains, ordinary_tax(taxable, rates, tops)), ordinary


def amt_break(year, status, quirks):
    if year == 2024 and "schedule_2024" in quirks:
        return FIGURES[2023]["amt_break"][status] * 1.054
    return FIGURES[year]["amt_break"][status]


def amt_rate_tax(base, brk):
    return 0.26 * base if base <= brk else 0.26 * brk + 0.28 * (base - brk)


def tentative_minimum_tax(year, status, base, preferred, regular_ordinary, quirks):
    """The tentative minimum tax, with the gain rates on the dividends and net
    capital gain as Form 6251 figures them: the 0% and 15% room is what the
    regular tax's ordinary income leaves below each breakpoint."""
    brk = amt_break(year, status, quirks)
    if base <= 0:
        return 0.0
    all_at_amt_rates = amt_rate_tax(base, brk)
    if preferred <= 0:
        return all_at_amt_rates
    zero, twenty = gain_breaks(year, status, quirks, amt=True)
    gains = min(base, preferred)
    tax = amt_rate_tax(base - gains, brk)
    at_zero = min(max(0.0, zero - regular_ordinary), gains)
    at_fifteen = min(gains - at_zero, max(0.0, twenty - max(zero, regular_ordinary)))
    at_twenty = gains - at_zero - at_fifteen
    return min(tax + 0.15 * at_fifteen + 0.20 * at_twenty, all_at_amt_rates)


def compute(row, quirks=frozenset(), itemize=None, nii_loss="law", agi=None):
    """The figures of one return (a dict of the input row). quirks: the names
    of PEER_DEPARTURES to apply; itemize: force the choice of deduction (None:
    the lower regular tax + AMT, a tie taking the standard deduction, as the
    engine chooses); nii_loss: "law" lets a net capital loss (as limited to
    3,000) reduce net investment income, as Form 8960 line 5a takes it from the
    return; "floor" counts net gains only, not below zero; agi: take this AGI
    (the engine's, in whole dollars) instead of the one computed here."""
    year = int(float(row["year"]))
    f = FIGURES[year]
    status = status_of(row)
    joint = status == JOINT
    separate = status == SEPARATE
    pwages, swages = value(row, "pwages"), value(row, "swages") if joint else 0.0
    psemp, ssemp = value(row, "psemp"), value(row, "ssemp") if joint else 0.0
    dividends, interest = value(row, "dividends"), value(row, "intrec")
    stcg, ltcg = value(row, "stcg"), value(row, "ltcg")

    out = {}
    cover = set()   # the rules the return reaches, for the report's coverage table
    for wages, se in ((pwages, psemp), (swages, ssemp)):
        if se * SE_FACTOR >= 400 and wages + se * SE_FACTOR > f["wage_base"]:
            cover.add("self-employment income above what wages leave of the wage base")
    se_p, ded_p = se_tax(year, pwages, psemp, quirks)
    se_s, ded_s = se_tax(year, swages, ssemp, quirks)
    se_deduction = ded_p + ded_s
    out["se_tax"], out["se_deduction"] = se_p + se_s, se_deduction

    net_gain = stcg + ltcg
    capital = max(net_gain, -1500.0 if separate else -3000.0)
    net_capital_gain = max(0.0, ltcg + min(stcg, 0.0)) if ltcg > 0 else 0.0
    if net_gain < capital:
        cover.add("net capital loss limited to 3,000 (1,500 separately)")
    preferred = dividends + net_capital_gain
    if agi is None:
        agi = pwages + swages + psemp + ssemp + dividends + interest + capital - se_deduction
    out["v10"] = agi

    # The deductions.
    taxes = value(row, "proptax") + value(row, "otheritem")
    if f["salt"][status] is not None:
        if taxes > f["salt"][status]:
            cover.add("state-and-local-tax cap (2018-2024) binds")
        taxes = min(taxes, f["salt"][status])
    itemized_before = taxes + value(row, "mortgage")
    limitation = 0.0
    if f["pease"]:
        limitation = min(0.03 * max(0.0, agi - f["pease"][status]), 0.8 * itemized_before)
    itemized = itemized_before - limitation
    boxes = int(value(row, "page") >= 65) + int(joint and value(row, "sage") >= 65)
    standard = f["std"][status] + f["box"][status] * boxes
    people = (2 if joint else 1) + int(value(row, "depx"))
    exemptions = f["exemption"][status] * people
    if f["pep"] and agi > f["pep"][status]:
        step = 1250.0 if separate else 2500.0
        excess = agi - f["pep"][status]
        steps = excess / step if "pep_continuous" in quirks else math.ceil(excess / step)
        exemptions *= 1.0 - min(1.0, 0.02 * steps)
        cover.add("exemption phase-out (2013-2017)")

    def with_deduction(itemizes):
        r = {}
        deduction = itemized if itemizes else standard
        before_qbi = agi - deduction - exemptions
        qbi = 0.0
        # (TAXSIM figures the deduction wherever its income limit is above
        # zero, even with no taxable income before it: see qbi_gains.)
        limit_base = before_qbi - capital if "qbi_gains" in quirks else before_qbi
        if f["qbi"] and limit_base > 0:
            if "qbi_se_base" in quirks:
                own = sum(max(0.0, s) - SE_FACTOR * se_tax(year, 0.0, s, quirks)[1] for s in (psemp, ssemp))
                income = own + min(psemp, 0.0) + min(ssemp, 0.0)
            else:
                income = psemp + ssemp - se_deduction
            if income > 0:
                threshold, width = f["qbi"][status], 100000.0 if joint else 50000.0
                share = 1.0
                if "qbi_wage_limit" not in quirks:
                    share = max(0.0, min(1.0, 1.0 - (before_qbi - threshold) / width))
                    if share < 1.0:
                        r["cover"] = {"QBI deduction reduced or lost above the threshold"}
                gains = capital if "qbi_gains" in quirks else preferred
                qbi = min(0.2 * income * share, 0.2 * max(0.0, before_qbi - gains))
        taxable = max(0.0, before_qbi - qbi)
        regular, regular_ordinary = regular_tax(year, status, taxable, preferred, quirks)
        # AMT income: the income after the deduction (before exemptions) and
        # the QBI deduction, with the standard deduction or the taxes added
        # back and the itemized limitation undone.
        amti = agi - deduction - qbi + (taxes - limitation if itemizes else standard)
        if separate:
            point = 87603 if "amt_separate_2024" in quirks else f["mfs_addback"]
            measure = amti + qbi if "amt_addback_qbi" in quirks else amti
            amti += min(0.25 * max(0.0, measure - point), f["amt_ex"][SEPARATE])
        # (The add-back starts where the exemption is gone, so measuring the
        # phase-out before or after it is the same under the law.)
        exemption = max(0.0, f["amt_ex"][status] - 0.25 * max(0.0, amti - f["amt_po"][status]))
        if "kiddie_amt" in quirks:
            earned = pwages + swages + max(psemp, 0.0) + max(ssemp, 0.0)
            exemption = min(exemption, earned + KIDDIE_AMT_AMOUNT[year])
        base = max(0.0, amti - exemption)
        tmt = tentative_minimum_tax(year, status, base, preferred, regular_ordinary, quirks)
        zero_top, twenty = gain_breaks(year, status, quirks)
        if preferred > 0 and taxable > twenty:
            r.setdefault("cover", set()).add("20% gain rate")
        if separate and amti > f["mfs_addback"]:
            r.setdefault("cover", set()).add("separate return's AMT add-back")
        if amti > f["amt_po"][status]:
            r.setdefault("cover", set()).add("AMT exemption phase-out")
        if itemizes and limitation > 0:
            r.setdefault("cover", set()).add("itemized limitation (2013-2017)")
        r.update(v13=0.0 if itemizes else standard, v14=exemptions, v17=itemized if itemizes else 0.0,
                 v18=taxable, v26=amti, v28=regular, tmt=tmt, v27=max(0.0, tmt - regular), qbid=qbi,
                 combined=max(regular, tmt), itemizes=itemizes)
        return r

    if itemize is None:
        chosen = with_deduction(False)
        if itemized_before > 0:
            other = with_deduction(True)
            if other["combined"] < chosen["combined"] - 0.005:
                chosen = other
    else:
        chosen = with_deduction(itemize)
    out.update(chosen)
    cover |= chosen.pop("cover", set())
    if out["v27"] > 0:
        cover.add("AMT owed")
    if out["qbid"] > 0:
        cover.add("QBI deduction")

    niit = addmed = 0.0
    if year >= 2013:
        gain_part = capital if nii_loss == "law" else max(capital, 0.0)
        investment = max(0.0, dividends + interest + gain_part)
        niit = 0.038 * min(investment, max(0.0, agi - NIIT_THRESHOLD[status]))
        threshold = ADDMED_THRESHOLD[status]
        if separate and "addmed_separate" in quirks:
            threshold = 200000
        factor = 1.0 if "addmed_se_full" in quirks else SE_FACTOR
        earnings = sum(max(0.0, s) * factor for s in (psemp, ssemp))
        wages = pwages + swages
        addmed = 0.009 * (max(0.0, wages - threshold) + max(0.0, earnings - max(0.0, threshold - wages)))
    out["niit"], out["addmed"] = niit, addmed
    if niit > 0:
        cover.add("net investment income tax")
    if addmed > 0:
        cover.add("additional Medicare tax")
    out["cover"] = cover
    return out


def applicable_departures(row):
    """The departures of TAXSIM's that can touch this return."""
    year = int(float(row["year"]))
    status = status_of(row)
    se = value(row, "psemp") > 0 or (status == JOINT and value(row, "ssemp") > 0)
    found = set()
    if any(0 < s * SE_FACTOR < 400 for s in (value(row, "psemp"), value(row, "ssemp") if status == JOINT else 0)):
        found.add("se_under_400")
    if se:
        found.add("se_wage_base")
        if year in (2011, 2012):
            found.add("se_holiday")
        if year >= 2018:
            found |= {"qbi_se_base", "qbi_wage_limit"}
        if year >= 2013:
            found.add("addmed_se_full")
    if year >= 2018:
        found.add("qbi_gains")
    if year >= 2013 and status == SEPARATE:
        found.add("addmed_separate")
    if 2013 <= year <= 2017:
        found.add("pep_continuous")
    young = value(row, "page") < 24 and (status != JOINT or value(row, "sage") < 24)
    if year <= 2017 and young:
        found.add("kiddie_amt")
    if year == 2024:
        found.add("schedule_2024")
        if status == SEPARATE:
            found.add("amt_separate_2024")
    if year >= 2018 and status == SEPARATE and se:
        found.add("amt_addback_qbi")
    if (year, status) in ((2022, SINGLE), (2023, SEPARATE)):
        found.add("gain_breaks")
    return found
