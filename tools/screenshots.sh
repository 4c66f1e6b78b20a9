#!/usr/bin/env bash
# Saves a picture of every window of the program, rendered by a real X server
# (Xvfb), into the folder given (default: build/screenshots). Look at each one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build}
out=${1:-$build/screenshots}
cmake --build "$build" --target tavrel_screenshots
mkdir -p "$out"
xvfb-run -a -s "-screen 0 1600x1200x24 -dpi 96" "$build/bin/tavrel_screenshots" "$out" "$root/examples/joint-high-income.amt"
