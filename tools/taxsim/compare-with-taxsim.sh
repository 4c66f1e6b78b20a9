#!/usr/bin/env bash
# Compares `tavrel /calc` (enacted law) with NBER TAXSIM 35 on generated returns
# of 2010-2024 and prints the report (Markdown) on standard output: agreement
# per year and figure, and every disagreement classed against an independent
# computation of the law (law_check.py). TAXSIM is not part of this project:
# give the folder holding its WebAssembly build (taxsim.js and taxsim.wasm);
# Node.js runs it.
#
#   tools/taxsim/compare-with-taxsim.sh [TAXSIM_FOLDER] [COUNT] [SEED] [PROGRAM]
#
# Defaults: /work/taxsim, 15000 returns (1,000 a year), seed 1, build/bin/tavrel.
# KEEP=DIR keeps the returns and both outputs there (returns.csv, tavrel.csv,
# taxsim.csv). The exit status is 1 when a row fails or a disagreement is the
# engine's or unexplained. docs/taxsim-comparison.md holds the results.
#
# YEARS=2001-2009 runs the earlier comparison of 2001-2009 instead
# (generate_returns_2001_2009.py and compare_2001_2009.py, plain-text report).
set -euo pipefail
taxsim=${1:-/work/taxsim}
count=${2:-15000}
seed=${3:-1}
program=${4:-build/bin/tavrel}
here=$(cd "$(dirname "$0")" && pwd)
case ${YEARS:-2010-2024} in
    2010-2024) generate=generate_returns.py compare=compare.py ;;
    2001-2009) generate=generate_returns_2001_2009.py compare=compare_2001_2009.py ;;
    *) echo "YEARS is 2010-2024 (the default) or 2001-2009" >&2; exit 2 ;;
esac
for f in taxsim.js taxsim.wasm; do
    [[ -f $taxsim/$f ]] || { echo "no $taxsim/$f: give the folder holding TAXSIM's WebAssembly build" >&2; exit 2; }
done
if [[ -n ${KEEP:-} ]]; then
    work=$KEEP
    mkdir -p "$work"
else
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
fi
python3 "$here/$generate" "$count" "$seed" > "$work/returns.csv"
"$program" /calc "$work/returns.csv" /output "$work/tavrel.csv" || true
node -e '
const fs = require("fs");
const taxsim = require(process.argv[1] + "/taxsim.js");
const wasmBinary = fs.readFileSync(process.argv[1] + "/taxsim.wasm");
taxsim(fs.readFileSync(process.argv[2], "utf8"), {wasmBinary}).then(out => fs.writeFileSync(process.argv[3], out));
' "$(cd "$taxsim" && pwd)" "$work/returns.csv" "$work/taxsim.csv"
python3 "$here/$compare" "$work/returns.csv" "$work/tavrel.csv" "$work/taxsim.csv"
