#!/usr/bin/env bash
# Times "tavrel /calc" as a whole process (start, read, compute, write the
# output file, exit) on a generated file of returns: the best, median and mean
# of N runs, and rows per second.
#
#   bench/time_calc.sh [BUILD_DIR (build)] [RUNS (10)] [ROWS (200000)]
set -euo pipefail
build=${1:-build}
runs=${2:-10}
rows=${3:-200000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bin/make_calc_input" "$work/in.csv" "$rows"
# Once beforehand, so every timed run finds the program and the file in memory.
if ! "$build/bin/tavrel" /calc "$work/in.csv" /output "$work/out.csv"; then
  echo "time_calc.sh: some rows of the generated file failed; see $work/out.csv" >&2
  exit 1
fi
times=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  "$build/bin/tavrel" /calc "$work/in.csv" /output "$work/out.csv"
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000 )))
done
printf '%s\n' "${times[@]}" | sort -n | awk -v rows="$rows" -v runs="$runs" '
  { t[NR] = $1; sum += $1 }
  END {
    best = t[1]; median = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2; mean = sum / NR
    printf "tavrel /calc, %d rows, %d runs: best %.1f ms, median %.1f ms, mean %.1f ms\n", rows, runs, best / 1000, median / 1000, mean / 1000
    printf "rows per second: %.0f (best), %.0f (median)\n", rows / (best / 1e6), rows / (median / 1e6)
  }'
