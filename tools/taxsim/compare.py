#!/usr/bin/env python3
"""Compares the results of `tavrel /calc` (enacted law) with TAXSIM's for the
same returns, and tells for each disagreement which side follows the law.

Figures compared, matched by taxsimid: v10 (AGI), v18 (taxable income), v28
(regular tax before credits), v26 (AMT income; TAXSIM prints it at 0 when it
is below zero, and so does the comparison), v27 (AMT), qbid (QBI deduction),
niit (net investment income tax) and addmed (additional Medicare tax). A figure
agrees when the two are within $1.

Every disagreement is put beside law_check.py's independent computation of the
law:
- the engine's figure is within $2 of the law and TAXSIM's is reproduced (within
  $2) by the same computation with TAXSIM's known departures switched on: the
  departures that move the figure are named (rounding, when none does);
- the engine's figure is not the law's: reported as such, with the reading it
  does follow where one is known (a suspected engine bug);
- anything else is unexplained.
No return is left out: a row either side could not compute is listed as an
error, and every disagreement falls in one of the classes above.

Prints a report in Markdown: the agreement per year and figure, the largest
differences, the classes with their counts and the first returns of each, and
how often each side matches the independent computation.

usage: compare.py RETURNS.csv TAVREL.csv TAXSIM.csv [EXAMPLES]
(EXAMPLES: how many returns to list per class, 3 unless given)
"""
import csv
import os
import sys
from collections import Counter, defaultdict

sys.dont_write_bytecode = True   # leave no __pycache__ beside the tools
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import law_check  # noqa: E402

FIGURES = {"v10": "AGI", "v18": "taxable income", "v28": "regular tax", "v26": "AMT income", "v27": "AMT",
           "qbid": "QBI deduction", "niit": "NIIT", "addmed": "additional Medicare"}
AGREE = 1.0    # engine against TAXSIM
CLOSE = 2.0    # either side against the independent computation (it keeps cents, the engine rounds lines)
INPUTS = ["year", "mstat", "page", "sage", "depx", "age1", "age2", "age3", "pwages", "swages", "psemp", "ssemp",
          "dividends", "intrec", "stcg", "ltcg", "proptax", "otheritem", "mortgage"]

ROUNDING = "rounding: both within $2 of the law"
NIIT_LOSS = ("ENGINE: net investment income leaves out the net capital loss (up to 3,000) "
             "that the return deducts; Form 8960 line 5a takes it")
STEP = ("rounding: the law's step rules (2% for each 2,500 or part) applied to the engine's AGI "
        "in whole dollars give the engine's figure; AGI in cents falls in the next step")
OURS_OFF = "ENGINE: differs from the independent computation of the law"
UNEXPLAINED = "UNEXPLAINED: TAXSIM's figure is not reproduced by its known departures"


def rows(path):
    with open(path, newline="") as f:
        return {str(int(float(r["taxsimid"]))): r for r in csv.DictReader(f)}


def number(row, key):
    return float(row.get(key) or 0)


def shown(row, key):
    v = number(row, key)
    return max(v, 0.0) if key == "v26" else v


def money(v):
    return f"{v:,.2f}"


def inputs_text(inp):
    keep = [f"{k}={inp[k]}" for k in INPUTS if k in inp and float(inp[k] or 0) != 0]
    return " ".join(keep)


class Return:
    """One return's figures on both sides and in the two computations."""

    def __init__(self, key, inp, mine, peer):
        self.key, self.inp, self.mine, self.peer = key, inp, mine, peer
        self.law = law_check.compute(inp)
        self.law_floor = None
        self.departures = law_check.applicable_departures(inp)
        peer_itemizes = number(peer, "v17") > 0
        if peer_itemizes != self.law["itemizes"]:
            self.departures.add("deduction_choice")
        self.model = self.peer_model(self.departures)

    def peer_model(self, departures):
        itemize = (number(self.peer, "v17") > 0) if "deduction_choice" in departures else None
        return law_check.compute(self.inp, frozenset(departures), itemize)

    def law_value(self, fig, which=None):
        v = (which or self.law)[fig]
        return max(v, 0.0) if fig == "v26" else v

    def classify(self, fig):
        ours, theirs = shown(self.mine, fig), shown(self.peer, fig)
        if abs(ours - self.law_value(fig)) > CLOSE:
            if fig == "niit":
                self.law_floor = self.law_floor or law_check.compute(self.inp, nii_loss="floor")
                if abs(ours - self.law_value(fig, self.law_floor)) <= CLOSE:
                    return NIIT_LOSS
            mine_agi = number(self.mine, "v10")
            if abs(mine_agi - self.law["v10"]) <= AGREE:
                whole = law_check.compute(self.inp, agi=mine_agi)
                if abs(ours - self.law_value(fig, whole)) <= CLOSE:
                    return STEP
            return OURS_OFF
        if abs(theirs - self.law_value(fig, self.model)) > CLOSE:
            return UNEXPLAINED
        if abs(self.law_value(fig, self.model) - self.law_value(fig)) <= 0.5:
            return ROUNDING
        return "TAXSIM: " + " + ".join(self.moving(fig))

    def moving(self, fig):
        """The departures that move the figure: each one whose removal alone
        changes it, else each pair whose removal does (departures that act
        only together), else all of them."""
        here = self.law_value(fig, self.model)
        names = sorted(self.departures)

        def moves(removed):
            return abs(self.law_value(fig, self.peer_model(self.departures - set(removed))) - here) > 0.5

        single = [d for d in names if moves([d])]
        if single:
            return single
        pairs = sorted({d for i, a in enumerate(names) for b in names[i + 1:] if moves([a, b]) for d in (a, b)})
        return pairs or names


def table(header, lines):
    out = ["| " + " | ".join(header) + " |", "|" + "|".join("---:" if i else "---" for i in range(len(header))) + "|"]
    out += ["| " + " | ".join(str(c) for c in line) + " |" for line in lines]
    return "\n".join(out)


def main():
    examples = int(sys.argv[4]) if len(sys.argv) > 4 else 3
    inputs, ours, theirs = rows(sys.argv[1]), rows(sys.argv[2]), rows(sys.argv[3])
    errors = []
    returns = []
    for key, inp in inputs.items():
        mine, peer = ours.get(key), theirs.get(key)
        if mine is None or peer is None:
            errors.append(f"{key}: missing from {'tavrel' if mine is None else 'TAXSIM'}'s output")
        elif mine.get("error"):
            errors.append(f"{key}: tavrel error {mine['error']}")
        else:
            returns.append(Return(key, inp, mine, peer))

    years = sorted({int(float(r.inp["year"])) for r in returns})
    agree = defaultdict(Counter)
    total = Counter()
    all_agree = Counter()
    classes = defaultdict(list)          # class -> [(return, figure)]
    by_departure = defaultdict(lambda: [0, set()])
    largest = defaultdict(list)
    law_match = Counter()
    peer_law_match = Counter()
    for r in returns:
        year = int(float(r.inp["year"]))
        total[year] += 1
        every = True
        for fig in FIGURES:
            a, b = shown(r.mine, fig), shown(r.peer, fig)
            law_match[fig] += abs(a - r.law_value(fig)) <= CLOSE
            peer_law_match[fig] += abs(b - r.law_value(fig)) <= CLOSE
            if abs(a - b) <= AGREE:
                agree[year][fig] += 1
                continue
            every = False
            largest[fig].append((abs(a - b), r.key, a, b))
            cls = r.classify(fig)
            classes[cls].append((r, fig))
            if cls.startswith("TAXSIM: "):
                for d in cls[len("TAXSIM: "):].split(" + "):
                    by_departure[d][0] += 1
                    by_departure[d][1].add(r.key)
        all_agree[year] += every

    n = len(returns)
    span = f", {years[0]}-{years[-1]}" if years else ""
    print(f"# tavrel /calc against TAXSIM 35{span}\n")
    print(f"{len(inputs)} returns read; {n} computed by both; {len(errors)} errors. "
          "Nothing is excluded: every disagreement is classified below.\n")
    for e in errors:
        print(f"- {e}")
    print("## What the returns exercise (by the independent computation of the law)\n")
    statuses = Counter(law_check.STATUS_NAMES[law_check.status_of(r.inp)] for r in returns)
    cover = Counter(c for r in returns for c in r.law["cover"])
    lines = [[f"filing status {s}", c] for s, c in statuses.most_common()]
    lines += [["taxpayer or spouse 65 or older",
               sum(number(r.inp, "page") >= 65 or number(r.inp, "sage") >= 65 for r in returns)],
              ["itemizing", sum(r.law["itemizes"] for r in returns)],
              ["self-employment income (a loss included)",
               sum(number(r.inp, "psemp") != 0 or number(r.inp, "ssemp") != 0 for r in returns)],
              ["AGI of $1,000,000 or more", sum(r.law["v10"] >= 1e6 for r in returns)]]
    lines += [[c, k] for c, k in sorted(cover.items())]
    print(table(["rule or case", "returns"], lines))
    print()
    named = {r.key for cls, items in classes.items() if cls.startswith(("TAXSIM", "rounding")) for r, _ in items}
    other = {r.key for cls, items in classes.items() if not cls.startswith(("TAXSIM", "rounding")) for r, _ in items}
    print(f"{sum(all_agree.values())} of {n} returns agree within $1 on all eight figures; "
          f"{len(named - other)} differ only by TAXSIM's named departures or by rounding; "
          f"{len(other)} have a disagreement of another class (the engine's, or unexplained).\n")
    print("## Returns agreeing within $1, per year and figure\n")
    lines = []
    for y in years:
        lines.append([y, total[y]] + [agree[y][f] for f in FIGURES] + [all_agree[y]])
    lines.append(["all", n] + [sum(agree[y][f] for y in years) for f in FIGURES] + [sum(all_agree.values())])
    print(table(["year", "returns"] + list(FIGURES) + ["all eight"], lines))
    print()
    print("## Largest differences (engine − TAXSIM)\n")
    lines = []
    for fig in FIGURES:
        top = sorted(largest[fig], reverse=True)[:3]
        lines.append([fig, len(largest[fig])] + ["; ".join(f"{k}: {money(a)} vs {money(b)}" for _, k, a, b in top)])
    print(table(["figure", "differ", "largest (taxsimid: engine vs TAXSIM)"], lines))
    print()
    print("## Disagreements by class\n")
    print("A disagreement is one figure of one return differing by more than $1. \"TAXSIM: x + y\" means the "
          "engine's figure is the law's and TAXSIM's is the law's with departures x and y (and no other), "
          "each of which moves this figure.\n")
    lines = []
    for cls, items in sorted(classes.items(), key=lambda x: -len(x[1])):
        figs = Counter(fig for _, fig in items)
        lines.append([cls, len(items), len({r.key for r, _ in items}),
                      ", ".join(f"{f} {c}" for f, c in figs.most_common())])
    print(table(["class", "figures", "returns", "by figure"], lines))
    print()
    print("### Per departure of TAXSIM's (alone or with others)\n")
    lines = [[d, law_check.PEER_DEPARTURES[d], c[0], len(c[1])]
             for d, c in sorted(by_departure.items(), key=lambda x: -x[1][0])]
    print(table(["departure", "what TAXSIM does", "figures", "returns"], lines))
    print()
    print("### Independent computation of the law: figures within $2 of it\n")
    print(table(["figure", "engine", "TAXSIM"],
                [[f, f"{law_match[f]} of {n}", f"{peer_law_match[f]} of {n}"] for f in FIGURES]))
    print()
    print(f"### First {examples} returns of each class\n")
    for cls, items in sorted(classes.items(), key=lambda x: -len(x[1])):
        print(f"**{cls}**\n")
        seen = []
        for r, fig in items:
            if r.key in seen:
                continue
            seen.append(r.key)
            figs = [f for rr, f in items if rr is r]
            parts = "; ".join(f"{f} engine {money(shown(r.mine, f))}, TAXSIM {money(shown(r.peer, f))}, "
                              f"law {money(r.law_value(f))}" for f in figs)
            print(f"- {r.key}: {inputs_text(r.inp)} — {parts}")
            if len(seen) == examples:
                break
        print()
    bad = sum(len(v) for k, v in classes.items() if not k.startswith(("TAXSIM", "rounding")))
    return 1 if errors or bad else 0


if __name__ == "__main__":
    sys.exit(main())
