#!/usr/bin/env python3
"""Sensitivity check: which readings of the rules do the expected files pin down?

Each variant changes one reading in the independent model and counts, for every
scenario, the lines that then differ from the expected file.  A variant that
changes nothing anywhere is a reading the expected files do not exercise."""
import contextlib
import os
import sys
from decimal import ROUND_HALF_UP, ROUND_HALF_EVEN

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import independent_report as m          # noqa: E402
from check_all import pairs             # noqa: E402

D = m.D


@contextlib.contextmanager
def patch(obj, name, value):
    old = getattr(obj, name)
    setattr(obj, name, value)
    try:
        yield
    finally:
        setattr(obj, name, old)


def v_cumulative():
    orig_move = m.Planner.move
    orig_search = m.Planner.search

    def search(self, trace=None):
        self._sweeping = True
        self._prev = None
        try:
            return orig_search(self, trace)
        finally:
            self._sweeping = False

    def move(self, amount, base_cur, base_nxt):
        # in the sweep each point moves one more step from the values read back
        if not getattr(self, "_sweeping", False) or self._prev is None:
            self._prev = amount
            return orig_move(self, amount, base_cur, base_nxt)
        step = amount - self._prev
        self._prev = amount
        self.cur_acc.inp["OtherTaxes"] = self.cur_acc.p("OtherTaxes") - step
        self.nxt_acc.inp["OtherTaxes"] = self.nxt_acc.p("OtherTaxes") + step

    stack = contextlib.ExitStack()
    stack.enter_context(patch(m.Planner, "move", move))
    stack.enter_context(patch(m.Planner, "search", search))
    return stack


def v_no_otherintded():
    return patch(m, "COPIED", tuple(c for c in m.COPIED if c != "OtherIntDed"))


def v_nodefer_untouched():
    orig = m.Planner.report_run

    def run(self, trace=None):
        if self.defer:
            return orig(self, trace)
        self.cur.inp["TaxYear"] = 2008
        self.nxt.inp["TaxYear"] = 2008
        self.copy_object()
        self.cur.calculate()
        self.nxt.calculate()
        self.results = {k: D(0) for k in ("PVNxtYear", "PVNxtAcc", "CombinedTaxPV",
                                           "CombinedTaxPVAcc", "PVSavings",
                                           "IncreaseCurYrTax", "RatioSavings")}
    return patch(m.Planner, "report_run", run)


def v_text_accel():
    orig = m.detailed_report

    def rep(pl):
        t = m.fmt_amount(pl.nxt_acc.line("TentativeAMT"))
        r = m.fmt_amount(pl.nxt_acc.line("AMT_RegularTax"))
        if not (t > r) and pl.nxt_acc.line("TentativeAMT") > pl.nxt_acc.line("AMT_RegularTax"):
            return orig(pl).replace("  AMT  ", "  AMT? ")      # marks a change
        if t > r and not pl.nxt_acc.line("TentativeAMT") > pl.nxt_acc.line("AMT_RegularTax"):
            return orig(pl).replace("  AMT  ", "  AMT? ")
        return orig(pl)
    return patch(m, "detailed_report", rep)


def v_round_away():
    return patch(m, "rnd", lambda x: D(x).quantize(D(1), rounding=ROUND_HALF_UP))


def v_read_even():
    return patch(m, "shown", lambda x: D(x).quantize(D(1), rounding=ROUND_HALF_EVEN))


def v_cut12():
    return patch(m, "field", lambda v, width=12: m.fmt_amount(v).rjust(width)[:width])


def v_exact_T():
    orig = m.Planner.evaluate

    def ev(self, final):
        saved = m.Return.p

        def p(r, name):
            if name == "RegAndAmtTax":
                return r.ln[name]
            return saved(r, name)
        with patch(m.Return, "p", p):
            return orig(self, final)
    return patch(m.Planner, "evaluate", ev)


def v_cap_exact_cents():
    orig = m.Planner.__init__

    def init(self, section, allow=False):
        orig(self, section, allow)
        self.max_deferred = m.money(m.parse_number(section.get("max amount deferred", "0")))
    return patch(m.Planner, "__init__", init)


def v_sweep_read_even():
    # the sweep's amount read back with ties to even instead of away from zero
    orig = m.Planner.move

    def move(self, amount, base_cur, base_nxt):
        orig(self, amount, base_cur, base_nxt)
        for r in (self.cur_acc, self.nxt_acc):
            r.inp["OtherTaxes"] = D(r.inp["OtherTaxes"]).quantize(D(1), rounding=ROUND_HALF_EVEN)
    return patch(m.Planner, "move", move)


VARIANTS = {
    "sweep moves accumulate from whole-dollar reads": v_cumulative,
    "sweep amounts rounded half to even": v_sweep_read_even,
    "OtherIntDed not copied": v_no_otherintded,
    "no deferral: working returns and results untouched": v_nodefer_untouched,
    "GetAccelAMT compares texts": v_text_accel,
    "Round half away from zero": v_round_away,
    "property reads half to even": v_read_even,
    "wide amounts cut to 12 characters": v_cut12,
    "present values from exact (unrounded) RegAndAmtTax": v_exact_T,
    "deferral cap keeps its cents": v_cap_exact_cents,
}


def count(amt, exp):
    try:
        got, _ = m.run(amt, allow_credit_overflow=True)
    except Exception as err:  # noqa: BLE001
        return f"error {err}"
    d = m.compare(got, exp)
    return len(d)


def main():
    cases = list(pairs())
    for name, make in VARIANTS.items():
        with make():
            res = {os.path.basename(a)[:-4]: count(a, e) for a, e in cases}
        hit = {k: v for k, v in res.items() if v}
        print(f"{name}: " + (", ".join(f"{k} ({v})" for k, v in hit.items()) if hit
                             else "no file changes"))


if __name__ == "__main__":
    main()
