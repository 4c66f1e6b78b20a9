#!/usr/bin/env python3
"""The data exports against the reports: for every golden scenario, the silent
run's JSON validates against docs/export-schema.json and carries the same
figures as the text reports of the same scenario, and the CSV the same as the
JSON. Usage: check_export.py TAVREL_PROGRAM"""

import csv
import io
import json
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
from decimal import Decimal, ROUND_HALF_UP

import jsonschema

ROOT = pathlib.Path(__file__).resolve().parents[2]
SCHEMA = json.loads((ROOT / "docs" / "export-schema.json").read_text())


def scenarios():
    for golden in sorted((ROOT / "tests" / "data" / "golden").glob("*.expected.txt")):
        name = golden.name[: -len(".expected.txt")]
        for folder in (ROOT / "examples", ROOT / "tests" / "data" / "silent"):
            if (folder / (name + ".amt")).exists():
                yield folder / (name + ".amt")


def shown(amount):
    """An amount as the reports print it: whole dollars, halves away from zero, grouped."""
    whole = Decimal(str(amount)).quantize(Decimal(1), rounding=ROUND_HALF_UP)
    return f"{int(whole):,}"


def run(program, scenario, folder, *switches):
    copy = pathlib.Path(folder) / scenario.name  # the silent run saves the scenario back
    shutil.copyfile(scenario, copy)
    done = subprocess.run([program, str(copy), "/silent", *switches], capture_output=True, text=True, check=True)
    return done.stdout


DETAILED_ROWS = ("Deferred Deduction For Taxes", "REGULAR INCOME TAX", "AMT  ")


def numbers_after(text, label):
    """The figures on the report line that starts with the label: the detailed
    report's four 12-character columns after its 34-character label (wide
    amounts fill them edge to edge), else the figures as the line spaces them."""
    for line in text.splitlines():
        if line.strip().startswith(label.strip()) and line.strip()[: len(label)] == label[: len(line.strip())]:
            if label in DETAILED_ROWS:
                return line[34:].rstrip()
            return re.findall(r"-?[\d,]+", line[line.index(label) + len(label):])
    raise AssertionError(f"no line {label!r}")


def check(program, scenario):
    with tempfile.TemporaryDirectory() as folder:
        text = run(program, scenario, folder)
        data = json.loads(run(program, scenario, folder, "/format", "json"))
        rows = list(csv.DictReader(io.StringIO(run(program, scenario, folder, "/format", "csv"))))
    jsonschema.validate(data, SCHEMA)
    first, second = data["years"]["first"], data["years"]["second"]
    s, a = data["summary"], data["answer"]
    wo, wi = s["withoutDeferral"], s["withDeferral"]
    expect = {
        # The report writes the first year's side as "-" before the amount, also for 0.
        "Deferred Deduction For Taxes": ["0", "0", "-" + shown(a["deferral"]), shown(a["deferral"])],
        "Regular and AMT Tax": [shown(wo["first"]["total"]), shown(wo["second"]["total"]),
                                shown(wi["first"]["total"]), shown(wi["second"]["total"])],
        f"Present Value of {second} Tax": [shown(wo["presentValueSecondYear"]), shown(wi["presentValueSecondYear"])],
        f"{first} and {second} Tax": [shown(wo["presentValueBothYears"]), shown(wi["presentValueBothYears"])],
        "From Deferred Itemized Taxes": [shown(a["presentValueSaving"])],
        "REGULAR INCOME TAX": [shown(c[y]["regularTax"]) for c in (wo, wi) for y in ("first", "second")],
        "AMT  ": [shown(c[y]["amt"]) for c in (wo, wi) for y in ("first", "second")],
    }
    for label, figures in expect.items():
        got = numbers_after(text, label)
        if label in DETAILED_ROWS:  # columns of 12, which a wide amount overfills
            figures = "".join(f.rjust(12) for f in figures)
        if got != figures:
            raise AssertionError(f"{scenario.name}: {label!r}: report {got}, export {figures}")
    helps = a["deferring"] and shown(a["presentValueSaving"]) not in ("0",) and a["presentValueSaving"] > 0 \
        and shown(a["deferral"]) != "0"
    expected = (f"Defer ${shown(a['deferral'])} of {first} state and local taxes to {second}: present-value saving "
                f"${shown(a['presentValueSaving'])}." if helps else "Deferring does not help this household.")
    if a["sentence"] != expected:
        raise AssertionError(f"{scenario.name}: sentence {a['sentence']!r}, expected {expected!r}")
    if a["deferring"] != ("  Taxes Deferred" in text):
        raise AssertionError(f"{scenario.name}: deferring {a['deferring']} against the detailed report")
    years = [r for r in rows if r["record"] == "year"]
    answer = [r for r in rows if r["record"] == "answer"]
    curve = [r for r in rows if r["record"] == "curve"]
    assert [r["year"] for r in years] == [first, second], years
    for r, y in zip(years, ("first", "second")):
        assert Decimal(r["total_without"]) == Decimal(str(wo[y]["total"])), (scenario.name, r)
        assert Decimal(r["amt_with"]) == Decimal(str(wi[y]["amt"])), (scenario.name, r)
    assert Decimal(answer[0]["deferral"]) == Decimal(str(a["deferral"])), answer
    assert Decimal(answer[0]["pv_saving"]) == Decimal(str(a["presentValueSaving"])), answer
    assert len(curve) == len(data["curve"]), (len(curve), len(data["curve"]))
    return len(curve)


def main():
    program = sys.argv[1]
    count = 0
    for scenario in scenarios():
        points = check(program, scenario)
        count += 1
        print(f"{scenario.name}: schema, reports and CSV agree ({points} curve points)")
    if count < 10:
        raise AssertionError(f"only {count} golden scenarios found")


if __name__ == "__main__":
    main()
