#!/usr/bin/env bash
# Times the whole silent run of the high-income example as a process (start,
# load, save, 501-point analysis, reports, exit): the mean of N runs.
set -euo pipefail
program=${1:-build/bin/tavrel}
runs=${2:-50}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$(dirname "$0")/../examples/joint-high-income.amt" "$work/plan.amt"
start=$(date +%s%N)
for _ in $(seq "$runs"); do
  "$program" /input "$work/plan.amt" /output "$work/out.txt" /silent
done
end=$(date +%s%N)
echo "silent run of joint-high-income.amt: $(( (end - start) / runs / 1000 )) microseconds per run (mean of $runs)"
