#!/usr/bin/env python3
"""Independent model of a 2008 return and the deferral search, used to derive the
expected figures of the planner tests. It covers what those scenarios use: wages,
other income, itemized deductions with their floors and phase-out, exemptions,
the regular tax and the AMT (no capital gains, self-employment, IRA or credits).
Exact decimal arithmetic throughout; reads of stored lines are whole dollars
rounded half away from zero, "Round" is half to even.

Usage: derive_expected.py  (prints the figures the tests check)"""
from decimal import Decimal as D, ROUND_HALF_EVEN, ROUND_HALF_UP

def even(x):  # Round: whole dollars, ties to even
    return D(x).quantize(D(1), rounding=ROUND_HALF_EVEN)

def whole(x):  # a line read back through its property
    return D(x).quantize(D(1), rounding=ROUND_HALF_UP)  # HALF_UP on magnitude = away from zero

def four(x):
    return D(x).quantize(D('0.0001'), rounding=ROUND_HALF_EVEN)

JOINT = [(0, 16050, '0.10'), (16050, 65100, '0.15'), (65100, 131450, '0.25'),
         (131450, 200300, '0.28'), (200300, 357700, '0.33'), (357700, None, '0.35')]
SINGLE = [(0, 8025, '0.10'), (8025, 32550, '0.15'), (32550, 78850, '0.25'),
          (78850, 164550, '0.28'), (164550, 357700, '0.33'), (357700, None, '0.35')]

def schedule(brackets, amount):
    amount = D(amount)
    if amount <= 0:
        return D(0)
    tax = D(0)
    for lo, hi, rate in brackets:
        if hi is None or amount <= hi:
            return tax + four(D(rate) * (amount - lo))
        tax += D(rate) * (hi - lo)

def amt_tax(amount):
    amount = D(amount)
    if amount <= 0:
        return D(0)
    if amount <= 175000:
        return four(D('0.26') * amount)
    return D(45500) + four(D('0.28') * (amount - 175000))

def compute(status, deps, wages, other_income, med, taxes, mort_both, mort_reg_only,
            other_int, charity, misc):
    """One 2008 return; returns the combined regular and minimum tax (exact) and lines."""
    joint = status == 2
    agi = whole(wages) + whole(other_income)
    med_ded = even(max(whole(med) - four(agi * D('0.075')), 0)) if whole(med) > agi * D('0.075') else D(0)
    tax_ded = whole(taxes)
    int_ded = whole(mort_both) + whole(mort_reg_only) + whole(other_int)
    misc_ded = even(whole(misc) - agi * D('0.02')) if whole(misc) > agi * D('0.02') else D(0)
    gross = med_ded + tax_ded + int_ded + whole(charity) + misc_ded
    limit80 = even((gross - med_ded) * D('0.80'))
    if agi > 159950:
        r = min(even((agi - 159950) * D('0.03')), limit80)
        r = four(r - r / 3)
    else:
        r = D(0)
    net_item = gross - even(r)
    std = D(10900) if joint else D(5450)
    ded = net_item if net_item > std else std
    ex_gross = D(3500) * deps
    thr = D(239950) if joint else D(159950)
    if agi > thr:
        steps = four((agi - thr) / 2500)
        if steps != steps.to_integral_value():
            steps = steps.to_integral_value(rounding='ROUND_FLOOR') + 1
        red = min(four(ex_gross * steps * D('0.02')), ex_gross)
        ex_po = even(four(red / 3))
    else:
        ex_po = D(0)
    ex_po = min(ex_po, ex_gross)
    ex_net = ex_gross - ex_po
    taxinc = agi - ded - whole(ex_net)
    regular = schedule(JOINT if joint else SINGLE, whole(taxinc))
    # AMT
    amt_med = even(max(whole(med) - even(agi * D('0.10')), 0))
    amt_item = amt_med + whole(mort_both) + whole(charity)
    amt_ti = agi - amt_item
    thr, base = (D(150000), D(45000)) if joint else (D(112500), D(33750))
    exemption = max(base - even(D('0.25') * (amt_ti - thr)), 0) if amt_ti >= thr else base
    tipe = amt_ti - exemption
    tmt = amt_tax(tipe)
    if regular > tmt:
        combined = regular
    elif tmt > 0:
        combined = tmt
    else:
        combined = D(0)
    return combined, dict(agi=agi, taxinc=taxinc, regular=regular, tmt=tmt, exemption=exemption,
                          reduction=r, ex_po=ex_po, net_item=net_item)

def pv(amount, rate):
    return even(four(D(amount) / (1 + D(rate) / 100)))

def search(cur, nxt, cap_input, rate):
    """cur/nxt: dicts of compute() arguments; returns the evaluation of the search."""
    t = lambda args: whole(compute(**args)[0])
    cap = min(whole(cap_input), whole(cur['taxes']))
    cap = max(cap, 0)
    step = four(cap / 500)
    base_cur, base_nxt = whole(cur['taxes']), whole(nxt['taxes'])
    t_cur, t_nxt = t(cur), t(nxt)
    pv_nxt = pv(t_nxt, rate)
    combined = pv_nxt + t_cur
    curve = []
    for i in range(1, 502):
        a = step * (i - 1)
        c = dict(cur, taxes=base_cur - a)
        n = dict(nxt, taxes=base_nxt + a)
        curve.append((a, pv(t(n), rate) + t(c)))
    low, lowest, best = combined, D(999999999), D(0)
    for a, y in curve:
        if y < low:
            low = y
            if low < lowest:
                lowest, best = low, a
    # Final evaluation of the chosen amount from fresh copies (whole dollars move).
    m = whole(best)
    c = dict(cur, taxes=base_cur - m)
    n = dict(nxt, taxes=base_nxt + m)
    t_c, t_n = t(c), t(n)
    pv_acc = pv(t_n, rate)
    combined_acc = pv_acc + t_c
    savings = combined - combined_acc
    increase = t_c - t_cur
    ratio = four(savings / increase) if increase > 0 else D(0)
    return dict(step=step, best=best, PVNxtYear=pv_nxt, PVNxtAcc=pv_acc, CombinedTaxPV=combined,
                CombinedTaxPVAcc=combined_acc, PVSavings=savings, IncreaseCurYrTax=increase,
                RatioSavings=ratio, curve=curve)

if __name__ == '__main__':
    # The planner test's household: joint, high state taxes in 2008, a large raise in 2009.
    cur = dict(status=2, deps=3, wages=310000, other_income=4000, med=2000, taxes=32000,
               mort_both=16000, mort_reg_only=3000, other_int=1500, charity=7000, misc=3000)
    nxt = dict(cur, wages=480000, taxes=6000, mort_both=15500)
    for label, args in (('cur', cur), ('nxt', nxt)):
        combined, lines = compute(**args)
        print(label, 'combined', combined, {k: str(v) for k, v in lines.items()})
    res = search(cur, nxt, 40000, 5)
    print('step', res['step'], 'best', res['best'])
    for k in ('PVNxtYear', 'PVNxtAcc', 'CombinedTaxPV', 'CombinedTaxPVAcc', 'PVSavings', 'IncreaseCurYrTax',
              'RatioSavings'):
        print(k, res[k])
    for i in (1, 2, 250, 501):
        print('point', i, res['curve'][i - 1])
