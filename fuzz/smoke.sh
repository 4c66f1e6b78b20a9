#!/usr/bin/env bash
# A short fuzzing pass for CI: every harness of a -DTAVREL_FUZZ=ON build runs
# over its seed corpus and the regression inputs in tests/data/fuzz, then
# mutates them for a few seconds. Exits non-zero when any harness finds a
# crash, a broken invariant, a timeout or a leak; the inputs that show it are
# kept in BUILD_DIR/fuzz-smoke-findings/HARNESS/.
#   fuzz/smoke.sh BUILD_DIR [SECONDS_PER_HARNESS]
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"
build="$(cd "${1:?usage: smoke.sh BUILD_DIR [SECONDS_PER_HARNESS]}" && pwd)"
seconds="${2:-20}"

work="$(mktemp -d "${TMPDIR:-/tmp}/tavrel-fuzz-smoke-XXXXXX")"
trap 'rm -rf "$work"' EXIT

failed=()
for harness in numeric profile ratefile scenario scenario_fast return; do
  program="$build/bin/fuzz_$harness"
  if [[ ! -x "$program" ]]; then
    echo "smoke.sh: $program is missing (configure with -DTAVREL_FUZZ=ON and build fuzz_all)" >&2
    failed+=("$harness (not built)")
    continue
  fi
  source "$here/harness-settings.sh"
  # New units go to a scratch folder, never into the source tree.
  mkdir -p "$work/$harness/corpus" "$work/$harness/artifacts"
  dirs=("$work/$harness/corpus" "$here/corpus/$kind")
  [[ -d "$root/tests/data/fuzz/$harness" ]] && dirs+=("$root/tests/data/fuzz/$harness")
  [[ "$harness" == scenario_fast && -d "$root/tests/data/fuzz/scenario" ]] && dirs+=("$root/tests/data/fuzz/scenario")
  echo "== fuzz_$harness: ${seconds}s over ${dirs[*]:1}"
  if "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="$max_len" \
      -dict="$here/dict/$kind.dict" -artifact_prefix="$work/$harness/artifacts/" -print_final_stats=1 \
      "${dirs[@]}" > "$work/$harness/log" 2>&1; then
    grep -E '^#[0-9]+[[:space:]]+DONE' "$work/$harness/log" | tail -1
  else
    echo "smoke.sh: fuzz_$harness found a problem:" >&2
    tail -n 60 "$work/$harness/log" >&2
    kept="$build/fuzz-smoke-findings/$harness"
    mkdir -p "$kept"
    for a in "$work/$harness/artifacts/"*; do
      [[ -e "$a" ]] || continue
      cp "$a" "$kept/"
      echo "  input kept as $kept/$(basename "$a")" >&2
    done
    failed+=("$harness")
  fi
done

if ((${#failed[@]})); then
  echo "smoke.sh: problems in: ${failed[*]}" >&2
  exit 1
fi
echo "smoke.sh: no findings"
