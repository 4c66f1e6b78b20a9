#!/usr/bin/env bash
# A long fuzzing session of one harness, as in the fuzzing campaign:
#   fuzz/run.sh BUILD_DIR HARNESS [SECONDS] [extra libFuzzer flags...]
# HARNESS is numeric, profile, ratefile, scenario, scenario_fast or return. The growing
# corpus, the log and any crash, timeout or leak input go to
# BUILD_DIR/fuzz-work/HARNESS/; the seed corpus in fuzz/corpus is only read.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:?usage: run.sh BUILD_DIR HARNESS [SECONDS]}" && pwd)"
harness="${2:?usage: run.sh BUILD_DIR HARNESS [SECONDS]}"
seconds="${3:-600}"
shift $(( $# < 3 ? $# : 3 ))

source "$here/harness-settings.sh"
seeds="$here/corpus/$kind"
dict="$here/dict/$kind.dict"

work="$build/fuzz-work/$harness"
mkdir -p "$work/corpus" "$work/artifacts"
cd "$work"
exec "$build/bin/fuzz_$harness" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -jobs=1 -workers=1 \
  -max_len="$max_len" -dict="$dict" -artifact_prefix="$work/artifacts/" -print_final_stats=1 "$@" \
  "$work/corpus" "$seeds"
