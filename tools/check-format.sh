#!/usr/bin/env bash
# Fails when a C++ file of the tree does not follow .clang-format (hand-laid
# tables are marked "clang-format off"). With --fix, formats them instead.
#   tools/check-format.sh [--fix]
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.h' '*.cpp')
if [[ "${1:-}" == --fix ]]; then
  clang-format -i "${files[@]}"
  exit 0
fi
clang-format --dry-run --Werror "${files[@]}"
echo "format: ${#files[@]} files follow .clang-format"
