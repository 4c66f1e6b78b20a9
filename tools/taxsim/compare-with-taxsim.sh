#!/usr/bin/env bash
# Compares `tavrel /calc` (enacted law) with NBER TAXSIM 35 on generated returns
# of 2001-2009. TAXSIM is not part of this project: give the folder holding its
# WebAssembly build (taxsim.js and taxsim.wasm) and Node.js runs it.
#
#   tools/taxsim/compare-with-taxsim.sh TAXSIM_FOLDER [COUNT] [SEED] [PROGRAM]
set -euo pipefail
taxsim=${1:?give the folder holding taxsim.js and taxsim.wasm}
count=${2:-2000}
seed=${3:-1}
program=${4:-build/bin/tavrel}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$here/generate_returns.py" "$count" "$seed" > "$work/returns.csv"
"$program" /calc "$work/returns.csv" /output "$work/tavrel.csv" || true
node -e '
const fs = require("fs");
const taxsim = require(process.argv[1] + "/taxsim.js");
const wasmBinary = fs.readFileSync(process.argv[1] + "/taxsim.wasm");
taxsim(fs.readFileSync(process.argv[2], "utf8"), {wasmBinary}).then(out => fs.writeFileSync(process.argv[3], out));
' "$taxsim" "$work/returns.csv" "$work/taxsim.csv"
python3 "$here/compare.py" "$work/returns.csv" "$work/tavrel.csv" "$work/taxsim.csv"
