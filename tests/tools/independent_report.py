#!/usr/bin/env python3
"""Independent model of the silent report run.

Reads a scenario file (.amt) and produces the exact bytes that
`tavrel /input X.amt /output X.txt /silent` leaves in an empty output file:
the detailed analysis report, CR LF, the summary report, CR LF.

It is written from the written rules of the return engine, the planner and the
reports only, with exact decimal arithmetic; it shares no code with the
program.  Usage:

    independent_report.py SCENARIO.amt                 # write the bytes to stdout
    independent_report.py SCENARIO.amt -o OUT.txt      # write them to a file
    independent_report.py SCENARIO.amt --compare EXPECTED.txt
    independent_report.py SCENARIO.amt --trace        # sweep and return lines

Exit status of --compare: 0 identical, 1 different, 2 the model raised an
error that the program would raise as well (see --sixteen-bit-credit-steps).
"""

import argparse
import sys
from decimal import Decimal, ROUND_HALF_EVEN, ROUND_HALF_UP, ROUND_CEILING, getcontext
from fractions import Fraction

getcontext().prec = 60  # far beyond anything the money type can hold: exact

D = Decimal
ZERO = D(0)
ONE = D(1)
CENT4 = D("0.0001")
CRLF = "\r\n"
CUR_LIMIT = D("922337203685477.5807")


class ModelError(Exception):
    """An error that the computation itself raises (number as in the runtime)."""

    def __init__(self, number, where, text):
        super().__init__(f"error {number} in {where}: {text}")
        self.number = number
        self.where = where


# ---------------------------------------------------------------- numbers

def money(x):
    """A currency value: four decimals, ties to even; range checked."""
    v = D(x).quantize(CENT4, rounding=ROUND_HALF_EVEN)
    if abs(v) > CUR_LIMIT:
        raise ModelError(6, "currency", "overflow")
    return v


def frac_money(fr):
    """An exact fraction (a quotient) converted to currency."""
    fr = Fraction(fr)
    return money(D(fr.numerator) / D(fr.denominator))


def rnd(x):
    """Round of the tax law: whole dollars, ties to the even dollar."""
    return D(x).quantize(ONE, rounding=ROUND_HALF_EVEN)


def shown(x):
    """Whole dollars as a property read gives them: ties away from zero."""
    return D(x).quantize(ONE, rounding=ROUND_HALF_UP)


def dbl(x, rate):
    """A product computed in double and converted back to currency.
    Taken exactly, then to four decimals (ties to even)."""
    return money(D(x) * D(rate))


def sub_not_zero(a, b):
    """b - a, not below 0 (first argument is subtracted from the second)."""
    v = b - a
    return v if v > 0 else ZERO


def parse_number(text):
    t = text.strip().replace(",", "")
    if t == "":
        raise ValueError("empty")
    return D(t)


def fmt_amount(v):
    """'###,##0' (and '##,###,##0'): whole dollars with separators."""
    n = int(shown(v))
    return f"{n:,}"


def field(v, width=12):
    """Right-aligned in its field; a wider text is kept whole."""
    return fmt_amount(v).rjust(width)


# ---------------------------------------------------------------- law tables (2008)

STD_BASE = {1: D(5450), 2: D(10900), 3: D(5450), 4: D(8000), 5: D(10900)}
STD_BOX_14 = D(1350)
STD_BOX_OTHER = D(1050)
EXEMPTION_AMOUNT = D(3500)
EXEMPTION_THRESHOLD = {1: D(159950), 2: D(239950), 3: D(119975), 4: D(199950), 5: D(239950)}
ITEM_THRESHOLD_MS = D(79975)
ITEM_THRESHOLD_OTHER = D(159950)
# 15% bracket top of the capital-gain worksheet; status 5 follows status 2
CG_TOP = {1: D(32550), 2: D(65100), 3: D(32550), 4: D(43650), 5: D(65100)}
AMT_EXEMPTION = {  # status: (threshold, base)
    1: (D(112500), D(33750)), 4: (D(112500), D(33750)),
    2: (D(150000), D(45000)), 5: (D(150000), D(45000)),
    3: (D(75000), D(22500)),
}
SS_WAGE_BASE = D(102000)
CHILD_PER = D(1000)

# Published 2008 schedules (lower bound, rate, tax at lower bound)
SCHED_2008 = {
    "Schedule X": [(0, "0.10", "0"), (8025, "0.15", "802.50"), (32550, "0.25", "4481.25"),
                   (78850, "0.28", "16056.25"), (164550, "0.33", "40052.25"),
                   (357700, "0.35", "103791.75")],
    "Schedule Y-1": [(0, "0.10", "0"), (16050, "0.15", "1605"), (65100, "0.25", "8962.50"),
                     (131450, "0.28", "25550"), (200300, "0.33", "44828"),
                     (357700, "0.35", "96770")],
    "Schedule Y-2": [(0, "0.10", "0"), (8025, "0.15", "802.50"), (32550, "0.25", "4481.25"),
                     (65725, "0.28", "12775"), (100150, "0.33", "22414"),
                     (178850, "0.35", "48385")],
    "Schedule Z": [(0, "0.10", "0"), (11450, "0.15", "1145"), (43650, "0.25", "5975"),
                   (112650, "0.28", "23225"), (182400, "0.33", "42755"),
                   (357700, "0.35", "100604")],
}
SCHED_AMT = {
    "Most Filers": [(0, "0.26", "0"), (175000, "0.28", "45500")],
    "Schedule Y-2": [(0, "0.26", "0"), (87500, "0.28", "22750")],
}


def _check_schedules():
    # the tax at each lower bound must follow from the brackets below it
    for table in (SCHED_2008, SCHED_AMT):
        for name, rows in table.items():
            for k in range(1, len(rows)):
                lo0, r0, t0 = rows[k - 1]
                lo1, _, t1 = rows[k]
                assert D(t0) + (D(lo1) - D(lo0)) * D(r0) == D(t1), (name, lo1)


_check_schedules()


def schedule_tax(rows, amount):
    """Exact schedule arithmetic; 0 for an amount of 0 or less."""
    amount = D(amount)
    if amount <= 0:
        return ZERO
    chosen = rows[0]
    for r in rows:
        if amount > D(r[0]):
            chosen = r
    lo, rate, base = chosen
    return money(D(base) + money((amount - D(lo)) * D(rate)))


def regular_schedule_name(status):
    return {1: "Schedule X", 2: "Schedule Y-1", 5: "Schedule Y-1", 3: "Schedule Y-2",
            4: "Schedule Z"}.get(status, "")


# ---------------------------------------------------------------- one return

RETURN_MONEY_INPUTS = (
    "TotPmts", "LTCG", "LTCLCarryOver", "Dividends", "STCG", "STCLCarryOver", "OtherNonSEInc",
    "Sec1231Gains", "Sec1231Losses", "SEIncSp1", "SEIncSp2", "WageSp1", "WageSp2",
    "IRAContribSP1", "IRAContribSP2", "OtherAdj2Inc", "SEMedInsPmts",
    "CasualtyDed", "CharDed", "HomeMortIntAmt", "HomeMortIntReg", "InvIntDed", "MedPmts",
    "MiscDedPmts", "OtherIntDed", "OtherTaxes", "SITPd", "OtherTaxesAdded", "OtherCr",
)

# scenario-file key -> (property, kind, default)
RETURN_KEYS = [
    ("Version", "Version", "text", ""),
    ("Spouse 1", "Spouse1", "text", ""),
    ("Spouse 2", "Spouse2", "text", ""),
    ("Scenario Description", "ScenarioDesc", "text", ""),
    ("Year", "TaxYear", "int", "2008"),
    ("Spouse 1 Over 65", "IsSp1Over65", "flag", "False"),
    ("Spouse 1 Blind", "IsSp1Blind", "flag", "False"),
    ("Spouse 2 Over 65", "IsSp2Over65", "flag", "False"),
    ("Spouse 2 Blind", "IsSp2Blind", "flag", "False"),
    ("Dependents", "Dependents", "int", "1"),
    ("Is Dependent", "IsDependent", "flag", "False"),
    ("Filing Status", "FilingStatus", "int", "2"),
    ("Total Payments", "TotPmts", "money", "0"),
    ("Long Term Cap Gain", "LTCG", "money", "0"),
    ("Long Term Cap Loss Carryover", "LTCLCarryOver", "money", "0"),
    ("Dividends", "Dividends", "money", "0"),
    ("Short Term Cap Gain", "STCG", "money", "0"),
    ("Short Term Cap Carryover", "STCLCarryOver", "money", "0"),
    ("Other Non SE Inc", "OtherNonSEInc", "money", "0"),
    ("Sec 1231 Gains", "Sec1231Gains", "money", "0"),
    ("Sec 1231 Losses", "Sec1231Losses", "money", "0"),
    ("SE Inc Spouse 1", "SEIncSp1", "money", "0"),
    ("SE Inc Spouse 2", "SEIncSp2", "money", "0"),
    ("Wages Spouse 1", "WageSp1", "money", "0"),
    ("Wages Spouse 2", "WageSp2", "money", "0"),
    ("IRA Contrib Spouse 1", "IRAContribSP1", "money", "0"),
    ("In Retirement Plan Spouse 1", "IsSp1InRetPlan", "flag", "False"),
    ("IRA Contrib Spouse 2", "IRAContribSP2", "money", "0"),
    ("In Retirement Plan Spouse 2", "IsSp2InRetPlan", "flag", "False"),
    ("Other Adj To Income", "OtherAdj2Inc", "money", "0"),
    ("SE Med Ins Pmts", "SEMedInsPmts", "money", "0"),
    ("Casualty Loss Ded", "CasualtyDed", "money", "0"),
    ("Charitable Ded", "CharDed", "money", "0"),
    ("Mort Amt Ded", "HomeMortIntAmt", "money", "0"),
    ("Mort Non Amt Ded", "HomeMortIntReg", "money", "0"),
    ("Investment Interest Ded", "InvIntDed", "money", "0"),
    ("Med Pmts", "MedPmts", "money", "0"),
    ("Misc Ded Pmts", "MiscDedPmts", "money", "0"),
    ("Other Int Deductions", "OtherIntDed", "money", "0"),
    ("Other Taxes Pd", "OtherTaxes", "money", "0"),
    ("SIT Pd", "SITPd", "money", "0"),
    ("Other Taxes", "OtherTaxesAdded", "money", "0"),
    ("Number of children", "Children", "int", "0"),
    ("Other credits", "OtherCr", "money", "0"),
]

# inputs that the working returns receive from the entered ones, in copy order
COPIED = ("Spouse1", "Spouse2", "ScenarioDesc", "FilingStatus", "Dependents",
          "IsSp1Blind", "IsSp2Blind", "IsSp1Over65", "IsSp2Over65",
          "WageSp1", "WageSp2", "SEIncSp1", "SEIncSp2", "LTCG", "STCG", "OtherNonSEInc",
          "OtherAdj2Inc",
          "MedPmts", "OtherTaxes", "HomeMortIntReg", "HomeMortIntAmt", "CasualtyDed",
          "CharDed", "MiscDedPmts", "SITPd",
          "OtherIntDed")


def to_flag(text):
    t = text.strip()
    if t.lower() == "true":
        return True
    if t.lower() == "false":
        return False
    return parse_number(t) != 0


class Return:
    """One return: inputs (exact), computed lines (exact), reads as whole dollars."""

    def __init__(self):
        self.inp = {k: ZERO for k in RETURN_MONEY_INPUTS}
        self.inp.update({"Spouse1": "", "Spouse2": "", "ScenarioDesc": "", "TaxYear": 0,
                         "FilingStatus": 0, "Dependents": 0, "Children": 0,
                         "IsDependent": False, "IsSp1Blind": False, "IsSp2Blind": False,
                         "IsSp1Over65": False, "IsSp2Over65": False,
                         "IsSp1InRetPlan": False, "IsSp2InRetPlan": False})
        self.ln = {}
        self.allow_credit_overflow = False
        self.credit_overflow = None

    # property read of a money input or line: whole dollars, ties away from zero
    def p(self, name):
        if name in self.ln:
            return shown(self.ln[name])
        return shown(self.inp[name])

    def line(self, name):
        """Computed line as a report reads it (whole dollars)."""
        return shown(self.ln.get(name, ZERO))

    def load(self, section):
        for key, prop, kind, default in RETURN_KEYS:
            text = section.get(key.lower(), default)
            if prop == "Version":
                continue
            if kind == "text":
                self.inp[prop] = text
            elif kind == "flag":
                self.inp[prop] = to_flag(text)
            elif kind == "int":
                if prop == "TaxYear" and text.strip() == "":
                    text = "2008"
                self.inp[prop] = int(rnd(parse_number(text)))
            else:
                # the run saves and reopens the file first: whole dollars, ties away
                self.inp[prop] = shown(money(parse_number(text)))

    # ------------------------------------------------ the computation of one return
    def calculate(self):
        self.ln = {}
        L = self.ln
        fs = self.inp["FilingStatus"]

        # total income and capital gains
        net1231 = self.p("Sec1231Gains") - self.p("Sec1231Losses")
        L["Sec1231Netted"] = net1231
        cap_gains = self._cap_gains(fs)
        L["CapGains"] = cap_gains
        total = (self.p("WageSp1") + self.p("WageSp2") + cap_gains + self.p("OtherNonSEInc")
                 + self.p("SEIncSp1") + self.p("SEIncSp2")
                 + (net1231 if net1231 <= 0 else ZERO) + self.p("Dividends"))
        L["TotalInc"] = total

        # adjustments to income
        ira1 = self._ira(0, fs)
        L["IRADedSp1"] = ira1
        ira2 = self._ira(1, fs)
        L["IRADedSp2"] = ira2
        semed = self._se_med_ins()
        L["SEMedInsDed"] = semed
        self._other_taxes(fs)
        setax_ded = rnd(D("0.50") * (self.p("SETaxSp1") + self.p("SETaxSp2")))
        L["SETaxDed"] = setax_ded
        adj = ira1 + ira2 + semed + setax_ded + self.p("OtherAdj2Inc")
        L["Adj2Inc"] = adj
        agi = total - adj
        L["AGI"] = agi

        # deductions and exemptions
        itemized = self._itemized(fs)
        standard = self._standard(fs)
        L["StdDed"] = standard
        deduction = itemized if itemized > standard else standard
        L["ItemOrStdDed"] = deduction
        exemptions = self.p("ExemptionDedNet")
        L["ExemptionDed"] = exemptions
        L["TaxInc"] = agi - deduction - exemptions

        # regular tax
        ordinary_tax = schedule_tax(SCHED_2008[regular_schedule_name(fs)], self.p("TaxInc"))
        L["IncTax"] = ordinary_tax
        cg_tax = ZERO
        if self.p("AdjNetCG") > D("0.01"):
            cg_tax = self._sched_d(fs)
        if self.p("AdjNetCG") > 0 and ordinary_tax > cg_tax:
            regular = cg_tax
        else:
            regular = ordinary_tax
        L["IncTax"] = regular

        # minimum tax
        tentative = self._amt(fs)
        L["TentativeAMT"] = tentative
        if regular > tentative:
            combined, amt = regular, ZERO
        elif tentative > 0:
            combined, amt = tentative, tentative - regular
        else:
            combined, amt = ZERO, ZERO
        L["AMT"] = amt
        L["RegAndAmtTax"] = combined

        # other taxes and credits (not shown in the reports, but they can fail)
        other = self._other_taxes(fs)
        L["OtherTax"] = other
        credits = self._credits(fs)
        L["TotCr"] = credits
        L["TotTax"] = combined + other - credits
        L["BalDue"] = L["TotTax"] - self.p("TotPmts")

    def _cap_gains(self, fs):
        L = self.ln
        net_st = self.p("STCG") - self.p("STCLCarryOver")
        L["NetSTCG"] = net_st
        g1231 = self.p("Sec1231Netted")
        g1231 = g1231 if g1231 > 0 else ZERO
        net_lt = self.p("LTCG") + g1231 - self.p("LTCLCarryOver")
        L["NetLTCG"] = net_lt
        net = net_st + net_lt
        div = self.p("Dividends")
        if net_lt < 0:
            adj = div
        elif net_st > 0:
            adj = net_lt + div
        elif net > 0:
            adj = net + div
        else:
            adj = div
        L["AdjNetCG"] = adj
        if net < D("-0.01"):
            limit = D(-1500) if fs == 3 else D(-3000)
            if net < limit:
                net = limit
        return net

    def _ira(self, spouse, fs):
        if spouse == 1 and fs != 2:
            return ZERO
        contrib = self.p("IRAContribSP1" if spouse == 0 else "IRAContribSP2")
        if contrib < D("0.01"):
            return ZERO
        covered = (self.inp["IsSp1InRetPlan"] or self.inp["IsSp2InRetPlan"]) if fs == 2 \
            else self.inp["IsSp1InRetPlan"]
        if not covered:
            return contrib
        raise NotImplementedError("IRA limit of a covered spouse (no scenario uses it)")

    def _se_med_ins(self):
        return rnd(self.p("SEMedInsPmts") * ONE)

    def _se_tax(self, spouse):
        se = self.p("SEIncSp1" if spouse == 0 else "SEIncSp2")
        wages = self.p("WageSp1" if spouse == 0 else "WageSp2")
        net = dbl(se, "0.9235") if se > 0 else se
        if net < 400:
            return ZERO
        remaining = sub_not_zero(wages, SS_WAGE_BASE)
        ss = dbl(min(net, remaining), "0.124") if remaining != 0 else ZERO
        return rnd(ss + dbl(net, "0.029"))

    def _other_taxes(self, fs):
        L = self.ln
        other = self.p("OtherTaxesAdded")
        se1 = self._se_tax(0)
        L["SETaxSp1"] = se1
        if fs == 2:
            se2 = self._se_tax(1)
        else:
            se2 = ZERO
        L["SETaxSp2"] = se2
        return se1 + se2 + other

    def _itemized(self, fs):
        L = self.ln
        agi = self.p("AGI")
        # medical
        medical = self.p("MedPmts") - self._se_med_ins()
        floor = money(agi * D("0.075")) if agi >= 0 else ZERO
        med = rnd(medical - floor if medical > floor else ZERO)
        L["MedDed"] = med
        taxes = self.p("OtherTaxes") + self.p("SITPd")
        L["TaxDed"] = taxes
        interest = (self.p("HomeMortIntReg") + self.p("HomeMortIntAmt") + self.p("InvIntDed")
                    + self.p("OtherIntDed"))
        L["IntDed"] = interest
        charity = self.p("CharDed")
        casualty = self.p("CasualtyDed")
        mfloor = money(agi * D("0.02")) if agi >= 0 else ZERO
        misc_pd = self.p("MiscDedPmts")
        misc = rnd(misc_pd - mfloor if misc_pd > mfloor else ZERO)
        L["MiscDed"] = misc
        gross = med + taxes + interest + charity + casualty + misc
        L["TotGross"] = gross
        # phase-out of itemized deductions (two thirds of it in 2008)
        limit80 = rnd(dbl(self.p("TotGross") - self.p("MedDed"), "0.80"))
        threshold = ITEM_THRESHOLD_MS if fs == 3 else ITEM_THRESHOLD_OTHER
        if agi <= threshold:
            red = ZERO
        else:
            red = min(rnd(dbl(agi - threshold, "0.03")), limit80)
            red = frac_money(Fraction(red) - Fraction(red) / 3)
        L["TotReduction"] = red
        red = rnd(red)
        L["TotReduction"] = red
        net = gross - red
        L["TotNet"] = net
        # exemptions
        ex_gross = rnd(D(self.inp["Dependents"]) * EXEMPTION_AMOUNT)
        L["ExemptionDedGross"] = ex_gross
        phase = self._exemption_phase_out(fs, agi, ex_gross)
        if phase > ex_gross:
            phase = ex_gross
        L["ExemptionDedPhaseOut"] = phase
        L["ExemptionDedNet"] = ex_gross - phase
        return net

    def _exemption_phase_out(self, fs, agi, gross):
        threshold = EXEMPTION_THRESHOLD.get(fs, ZERO)
        if agi <= threshold:
            return ZERO
        size = D(1250) if fs == 3 else D(2500)
        steps = money((agi - threshold) / size)
        steps = steps.quantize(ONE, rounding=ROUND_CEILING)
        pct = steps * D("0.02")
        red = dbl(gross, pct)
        if red > gross:
            red = gross
        return rnd(frac_money(Fraction(red) / 3))

    def _standard(self, fs):
        boxes = int(self.inp["IsSp1Blind"]) + int(self.inp["IsSp1Over65"])
        if fs == 2:
            boxes += int(self.inp["IsSp2Over65"]) + int(self.inp["IsSp2Blind"])
        base = STD_BASE.get(fs, ZERO)
        per = STD_BOX_14 if fs in (1, 4) else STD_BOX_OTHER
        return rnd(base + boxes * per)

    def _sched_d(self, fs):
        """2008 capital-gain worksheet (0% and 15%)."""
        tax_inc = self.p("TaxInc")
        adj = self.p("AdjNetCG")
        ordinary = sub_not_zero(adj, tax_inc)
        top = CG_TOP.get(fs, ZERO)
        tax_ordinary = schedule_tax(SCHED_2008[regular_schedule_name(fs)], ordinary)
        room = sub_not_zero(ordinary, min(top, tax_inc))
        low = min(room, adj)
        tax_low = rnd(low * ZERO)
        self.ln["Sec_1_h_1_B_Amount"] = low
        tax_high = rnd(dbl(adj - low, "0.15"))
        return tax_ordinary + tax_low + tax_high

    def _amt(self, fs):
        L = self.ln
        agi = self.p("AGI")
        L["AMT_AGI"] = agi
        agi = self.p("AMT_AGI")
        floor = rnd(dbl(agi, "0.10")) if agi >= 0 else ZERO
        med = rnd(sub_not_zero(floor, self.p("MedPmts")))
        L["AMT_MedDed"] = med
        mort = self.p("HomeMortIntReg")
        L["AMT_MortgIntDed"] = mort
        cas = self.p("CasualtyDed")
        char = self.p("CharDed")
        L["AMT_CasualtyDed"] = cas
        L["AMT_CharDed"] = char
        item = med + mort + cas + char
        L["AMT_ItemDed"] = item
        tinc = agi - item
        L["AMT_TaxInc"] = tinc
        threshold, base = AMT_EXEMPTION.get(fs, (D(-200000), D(-200000)))
        if tinc >= threshold:
            reduction = rnd(dbl(tinc - threshold, "0.25"))
            exemption = sub_not_zero(reduction, base)
        else:
            exemption = base
        exemption = rnd(exemption)
        L["AMT_Exemption"] = exemption
        post = tinc - exemption
        L["AMT_TaxIncPostExemption"] = post
        amt_sched = SCHED_AMT["Schedule Y-2" if fs == 3 else "Most Filers"]
        ordinary_tax = schedule_tax(amt_sched, post)
        L["AMT_RegularTax"] = self.p("IncTax")
        adj = self.p("AdjNetCG")
        if not adj > 0:
            L["AMT_TAMTAtOrdRates"] = ordinary_tax
            L["TentativeAMT"] = ordinary_tax
            L["AMT_TAMTAtCGRates"] = ZERO
            cg_part = ZERO
        else:
            ordinary_tax = schedule_tax(amt_sched, sub_not_zero(adj, post))
            L["AMT_TAMTAtOrdRates"] = ordinary_tax
            low = min(self.p("Sec_1_h_1_B_Amount"), post)
            rest = sub_not_zero(low, adj)
            cg_part = rnd(dbl(low, "0.05")) + rnd(dbl(rest, "0.15"))
            L["AMT_TAMTAtCGRates"] = cg_part
        return cg_part + ordinary_tax

    def _credits(self, fs):
        L = self.ln
        maximum = D(self.inp["Children"]) * CHILD_PER
        threshold = D(110000) if fs == 2 else (D(55000) if fs == 3 else D(75000))
        agi = self.p("AGI")
        if agi <= threshold:
            reduction = ZERO
        else:
            excess = int(rnd(agi - threshold))
            steps = excess // 1000 + (1 if excess % 1000 else 0)
            if steps > 32767:
                # Counted in 16 bits the steps would overflow; the program counts them
                # in 64 bits, so only --sixteen-bit-credit-steps models the overflow.
                if not self.allow_credit_overflow:
                    raise ModelError(6, "Calcs2008.CalcChildCr2008",
                                     f"overflow: {steps} steps of $1,000 (AGI {agi})")
                self.credit_overflow = steps
            reduction = dbl(D(steps * 1000), "0.05")
        if reduction >= maximum:
            child = ZERO
        else:
            child = rnd(min(maximum - reduction, self.p("IncTax")))
        L["ChildCr"] = child
        return child + self.p("OtherCr")


# ---------------------------------------------------------------- the planner

class Planner:
    def __init__(self, section, allow_credit_overflow=False):
        def get(key):
            return section.get(key.lower(), "0")
        self.defer = to_flag(get("Defer SIT"))
        self.decrease = to_flag(get("Decrease SIT"))
        # saved and reopened by the report command: whole dollars, ties away
        self.max_deferred = shown(money(parse_number(get("Max Amount Deferred"))))
        self.discount_text = get("After-Tax Discount").strip()
        self.discount = parse_number(self.discount_text)
        self.cur = Return()
        self.nxt = Return()
        self.cur_acc = Return()
        self.nxt_acc = Return()
        for r in (self.cur, self.nxt, self.cur_acc, self.nxt_acc):
            r.allow_credit_overflow = allow_credit_overflow
        self.results = {}
        self.curve = []

    def copy_object(self):
        for src, dst in ((self.cur, self.cur_acc), (self.nxt, self.nxt_acc)):
            fresh = Return()
            fresh.allow_credit_overflow = dst.allow_credit_overflow
            for name in COPIED:
                v = src.inp[name]
                if isinstance(v, Decimal):
                    v = shown(v)
                fresh.inp[name] = v
            fresh.inp["TaxYear"] = 2008
            if dst is self.cur_acc:
                self.cur_acc = fresh
            else:
                self.nxt_acc = fresh

    def present_value(self, amount):
        return rnd(frac_money(Fraction(amount) / (1 + Fraction(self.discount) / 100)))

    def evaluate(self, final):
        T = lambda r: r.p("RegAndAmtTax")
        res = {}
        res["PVNxtYear"] = shown(self.present_value(T(self.nxt)))
        res["PVNxtAcc"] = shown(self.present_value(T(self.nxt_acc)))
        res["CombinedTaxPV"] = shown(res["PVNxtYear"] + T(self.cur))
        res["CombinedTaxPVAcc"] = shown(res["PVNxtAcc"] + T(self.cur_acc))
        res["PVSavings"] = shown(res["CombinedTaxPV"] - res["CombinedTaxPVAcc"])
        res["IncreaseCurYrTax"] = shown(T(self.cur_acc) - T(self.cur))
        ratio = ZERO
        inc = res["IncreaseCurYrTax"]
        if final:
            if inc > 0:
                ratio = money(res["PVSavings"] / inc)
        else:
            ratio = money(res["PVSavings"] / inc) if inc != 0 else ONE
        res["RatioSavings"] = ratio
        self.results = res
        return res

    def move(self, amount, base_cur, base_nxt):
        self.cur_acc.inp["OtherTaxes"] = base_cur - amount
        self.nxt_acc.inp["OtherTaxes"] = base_nxt + amount

    def search(self, trace=None):
        m = self.max_deferred
        s = self.cur.p("OtherTaxes")
        cap = m if m <= s else s
        if cap < 0:
            cap = ZERO
        step = money(D(cap) / 500)
        base_cur = self.cur_acc.p("OtherTaxes")
        base_nxt = self.nxt_acc.p("OtherTaxes")
        points = []
        for i in range(1, 502):
            a = (i - 1) * step
            self.move(a, base_cur, base_nxt)
            self.cur_acc.calculate()
            self.nxt_acc.calculate()
            res = self.evaluate(final=False)
            points.append((a, res["CombinedTaxPVAcc"]))
        low = self.results["CombinedTaxPV"]
        lowest = D(999999999)
        best = ZERO
        for a, c in points:
            if c < low:
                low = c
                if low < lowest:
                    lowest = low
                    best = a
        self.curve = points
        if trace is not None:
            trace.append(f"search: cap {cap} step {step} no-deferral {self.results['CombinedTaxPV']}"
                         f" best {best} (combined {lowest if best else '-'})")
        return best

    def report_run(self, trace=None):
        self.cur.inp["TaxYear"] = 2008
        self.nxt.inp["TaxYear"] = 2008
        self.copy_object()
        self.cur.calculate()
        self.nxt.calculate()
        if self.defer and self.decrease:
            best = self.search(trace)
            self.max_deferred = best          # exact amount of the chosen point
            self.copy_object()
        if self.defer:
            amount = shown(self.max_deferred)  # read through its property
            self.move(amount, self.cur_acc.p("OtherTaxes"), self.nxt_acc.p("OtherTaxes"))
        self.cur_acc.calculate()
        self.nxt_acc.calculate()
        self.evaluate(final=True)


# ---------------------------------------------------------------- reports

STATUS_TEXT = {1: "Single", 2: "Joint", 3: "Married Filing Seperate", 4: "Head of House Hold",
               5: "Widow"}
CLOSING = "  The computations for 2009 are made using the 2008 tax law and tax rates."


def detailed_report(pl):
    cur, nxt, ca, na = pl.cur, pl.nxt, pl.cur_acc, pl.nxt_acc
    four = (cur, nxt, ca, na)
    out = []
    hy = " " * 35 + "-" * 53 + CRLF
    eq = " " * 35 + "=" * 53 + CRLF

    def row(label, values):
        text = ("  " + label).ljust(34)
        for v in values:
            text += v if isinstance(v, str) else field(v)
        out.append(text + CRLF)

    def all4(getter):
        return [getter(r) for r in four]

    def inp(name):
        return lambda r: r.p(name)

    def ln(name):
        return lambda r: r.line(name)

    def head(text):
        out.append("  " + text + CRLF)

    out.append("  " + ("Taxes Deferred" if pl.defer else "No Taxes Deferred") + CRLF)
    out.append("  2008 and 2009" + CRLF + CRLF)
    out.append("  Filing Status: " + STATUS_TEXT.get(cur.inp["FilingStatus"], "") + CRLF + CRLF)
    out.append(" " * 37 + "No State Tax Deferred" + " " * 6 + "State Tax Deferred" + CRLF)
    out.append(hy)
    out.append(" " * 42 + "2008" + " " * 8 + "2009" + " " * 8 + "2008" + " " * 8 + "2009" + CRLF)
    out.append(hy)
    head("TOTAL INCOME:")
    row("Wages Spouse 1", all4(inp("WageSp1")))
    row("Wages Spouse 2", all4(inp("WageSp2")))
    row("SE Income Spouse 1", all4(inp("SEIncSp1")))
    row("SE Income Spouse 2", all4(inp("SEIncSp2")))
    row("Capital Gains", all4(ln("CapGains")))
    row("Other Income", all4(inp("OtherNonSEInc")))
    out.append(" " * 37 + "-" * 53 + CRLF)
    row(" Total Income", all4(ln("TotalInc")))
    out.append(hy)
    head("ADJUSTMENTS TO INC.:")
    row("SE Tax Deduction", all4(ln("SETaxDed")))
    row("Other Adjustments", all4(inp("OtherAdj2Inc")))
    out.append(hy)
    row(" Adjustments to Inc.", all4(ln("Adj2Inc")))
    out.append(hy)
    row("ADJUSTED GROSS INC.", all4(ln("AGI")))
    out.append(eq)
    out.append(CRLF)
    head("DEDUCTIONS:")
    row("Medical Deductions", all4(ln("MedDed")))
    row("Taxes", [cur.line("TaxDed"), nxt.line("TaxDed"), cur.line("TaxDed"), nxt.line("TaxDed")])
    deferred = shown(pl.max_deferred)
    row("Deferred Deduction For Taxes",
        [ZERO, ZERO, ("-" + fmt_amount(deferred)).rjust(12), deferred])
    row("Interest", [cur.line("IntDed"), nxt.line("IntDed"), cur.line("IntDed"), nxt.line("IntDed")])
    row("Charity Deduction", all4(inp("CharDed")))
    row("Casualty Loss", all4(inp("CasualtyDed")))
    row("Misc. Deductions", all4(ln("MiscDed")))
    out.append(hy)
    row(" Total Itemized Ded", all4(ln("TotGross")))
    # the label ends one routed block, its values open the next one after 23 blanks
    out.append("  Phase Out")
    out.append(" " * 23 + "".join(field(v) for v in all4(ln("TotReduction"))) + CRLF)
    out.append(hy)
    row(" Net Itemized Ded", all4(ln("TotNet")))
    row("Standard Deduction", all4(ln("StdDed")))
    out.append(eq)
    row("Deductions", all4(ln("ItemOrStdDed")))
    out.append(eq)
    out.append(CRLF)
    head("EXEMPTION DED")
    row("Gross Deduction", all4(ln("ExemptionDedGross")))
    row("Phase Out", all4(ln("ExemptionDedPhaseOut")))
    out.append(hy)
    row(" Exemption Ded", all4(ln("ExemptionDedNet")))
    out.append(eq)
    out.append(CRLF)
    row("TAXABLE INCOME", all4(ln("TaxInc")))
    out.append(CRLF)
    row("REGULAR INCOME TAX", all4(ln("AMT_RegularTax")))
    out.append(CRLF)
    head("AMT COMPUTATION:")
    out.append(CRLF)
    row("AGI", all4(ln("AGI")))
    out.append(eq)
    out.append(CRLF)
    row("AMT Medical Ded.", all4(ln("AMT_MedDed")))
    row("AMT Mortgage Ded.", all4(ln("AMT_MortgIntDed")))
    row("Casualty & Theft Ded.", all4(ln("AMT_CasualtyDed")))
    row("Char. Ded.", all4(ln("AMT_CharDed")))
    out.append(hy)
    row("AMT Itemized Ded.", all4(ln("AMT_ItemDed")))
    out.append(eq)
    out.append(CRLF)
    row("AMT Taxable Income", all4(ln("AMT_TaxInc")))
    row("AMT Exemption", all4(ln("AMT_Exemption")))
    out.append(hy)
    row("AMT Tax Inc. After Exemption", all4(ln("AMT_TaxIncPostExemption")))
    out.append(eq)
    out.append(CRLF)
    row("Tenative AMT", all4(ln("TentativeAMT")))
    row("Regular Income Tax", all4(ln("AMT_RegularTax")))
    out.append(hy)
    # the fourth column compares the two numbers as the report reads them
    t4, r4 = na.line("TentativeAMT"), na.line("AMT_RegularTax")
    row("AMT", [cur.line("AMT"), nxt.line("AMT"), ca.line("AMT"), t4 - r4 if t4 > r4 else ZERO])
    out.append(eq)
    row("Regular & AMT", all4(ln("RegAndAmtTax")))
    out.append(eq)
    out.append(CRLF * 3 + CLOSING)
    return "".join(out)


def summary_report(pl):
    res = pl.results
    A1, B1 = pl.cur.line("RegAndAmtTax"), pl.nxt.line("RegAndAmtTax")
    A2, B2 = pl.cur_acc.line("RegAndAmtTax"), pl.nxt_acc.line("RegAndAmtTax")
    P1, P2 = res["PVNxtYear"], res["PVNxtAcc"]
    C1, C2 = res["CombinedTaxPV"], res["CombinedTaxPVAcc"]
    S = res["PVSavings"]
    f = field
    b = lambda k: " " * k
    lines = [
        # block 1 is empty
        b(37) + "No State Tax Deferred               State Tax Deferred",
        b(35) + "-" * 56,
        b(39) + "2008" + b(11) + "2009" + b(13) + "2008" + b(12) + "2009",
        b(35) + "-" * 56,
        b(2) + "Regular and AMT Tax" + b(10) + f(A1) + b(3) + f(B1) + b(5) + f(A2) + b(4) + f(B2),
        b(2) + "Present Value of 2009 Tax" + b(4) + f(P1) + b(20) + f(P2),
        b(31) + "------------" + b(20) + "------------",
        b(2) + "Present Value of ",
        b(2) + "2008 and 2009 Tax " + b(11) + f(C1) + b(20) + f(C2),
        b(63) + "============",
        b(2) + "Less Present Value of 2008",
        b(2) + " and 2009 Tax With",
        b(2) + " Deferred Itemized Taxes     " + f(C2),
        b(31) + "------------",
        b(2) + "Present Value of Savings",
        b(2) + " From Deferred Itemized Taxes" + f(S),
        b(31) + "============",
        "",
        "",
    ]
    return CRLF.join(lines) + CRLF + CRLF * 3 + CLOSING


# ---------------------------------------------------------------- scenario file

def read_profile(path):
    """Sections of a keyed profile file; keys and sections compared without case."""
    sections = {}
    current = None
    with open(path, "r", encoding="cp1252", newline="") as fh:
        for raw in fh.read().splitlines():
            line = raw.strip()
            if not line or line.startswith(";"):
                continue
            if line.startswith("[") and "]" in line:
                name = line[1:line.index("]")].strip().lower()
                current = sections.setdefault(name, {})
                continue
            if current is None or "=" not in line:
                continue
            key, value = line.split("=", 1)
            key = key.strip().lower()
            value = value.strip()
            if len(value) >= 2 and value[0] == value[-1] and value[0] in "\"'":
                value = value[1:-1]
            current.setdefault(key, value)
    return sections


def run(path, allow_credit_overflow=False, trace=None):
    prof = read_profile(path)
    pl = Planner(prof.get("amt", {}), allow_credit_overflow)
    pl.cur.load(prof.get("scenario1", {}))
    pl.nxt.load(prof.get("scenario2", {}))
    pl.report_run(trace)
    text = detailed_report(pl) + CRLF + summary_report(pl) + CRLF
    return text.encode("cp1252"), pl


def compare(got, expected_path):
    with open(expected_path, "rb") as fh:
        exp = fh.read()
    if got == exp:
        return []
    g = got.decode("cp1252").split("\r\n")
    e = exp.decode("cp1252").split("\r\n")
    diffs = []
    for i in range(max(len(g), len(e))):
        gl = g[i] if i < len(g) else "<missing>"
        el = e[i] if i < len(e) else "<missing>"
        if gl != el:
            diffs.append((i + 1, el, gl))
    if not diffs:
        diffs.append((0, "(line ends or bytes differ)", ""))
    return diffs


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("scenario")
    ap.add_argument("-o", "--output")
    ap.add_argument("--compare", metavar="EXPECTED")
    ap.add_argument("--sixteen-bit-credit-steps", action="store_true",
                    help="count the child-credit steps in 16 bits, which overflow above 32,767")
    ap.add_argument("--trace", action="store_true")
    a = ap.parse_args(argv)
    trace = [] if a.trace else None
    try:
        got, pl = run(a.scenario, not a.sixteen_bit_credit_steps, trace)
    except ModelError as err:
        print(f"{a.scenario}: the computation raises {err}", file=sys.stderr)
        return 2
    if trace is not None:
        for t in trace:
            print(t, file=sys.stderr)
        for name, r in (("cur", pl.cur), ("nxt", pl.nxt), ("cur_acc", pl.cur_acc),
                        ("nxt_acc", pl.nxt_acc)):
            print(name, {k: str(v) for k, v in sorted(r.ln.items())}, file=sys.stderr)
        print("results", {k: str(v) for k, v in pl.results.items()}, file=sys.stderr)
        for r in (pl.cur, pl.nxt, pl.cur_acc, pl.nxt_acc):
            if r.credit_overflow:
                print(f"note: child-credit step count {r.credit_overflow} exceeds 16 bits",
                      file=sys.stderr)
    if a.output:
        with open(a.output, "wb") as fh:
            fh.write(got)
    if a.compare:
        diffs = compare(got, a.compare)
        if not diffs:
            print(f"IDENTICAL  {a.compare}")
            return 0
        print(f"DIFFERENT  {a.compare}: {len(diffs)} line(s)")
        for n, e, g in diffs:
            print(f"  line {n}:")
            print(f"    expected: {e!r}")
            print(f"    model:    {g!r}")
        return 1
    if not a.output:
        sys.stdout.buffer.write(got)
    return 0


if __name__ == "__main__":
    sys.exit(main())
