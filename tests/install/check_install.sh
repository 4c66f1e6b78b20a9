#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks the installed layout: the
# program runs its silent analysis from there (finding its engines and rate
# files) and the help, menu entry, icon and manual page are where they belong.
set -euo pipefail
build=$1
source_dir=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null

for f in bin/tavrel lib/tavrel/libtavrel_windows.so lib/tavrel/libosgrin.so.2008 lib/tavrel/libmirvane.so.2008 lib/tavrel/Ind2008.tbl \
         lib/tavrel/Ind2009.tbl lib/tavrel/Ind2026.tbl lib/tavrel/indAmt2001.tbl lib/tavrel/indAmt2026.tbl share/tavrel/AMT.html share/applications/tavrel.desktop \
         share/icons/hicolor/scalable/apps/tavrel.svg share/man/man1/tavrel.1.gz share/mime/packages/tavrel-scenario.xml; do
  if [ ! -e "$prefix/$f" ]; then echo "missing after install: $f"; exit 1; fi
done
grep -q '^Exec=tavrel /input %f$' "$prefix/share/applications/tavrel.desktop"
zcat "$prefix/share/man/man1/tavrel.1.gz" | grep -q '^\.SH FILES'

# The installed program, run from elsewhere, finds everything it needs.
work=$(mktemp -d)
trap 'rm -rf "$prefix" "$work"' EXIT
cp "$source_dir/examples/joint-high-income.amt" "$work/plan.amt"
(cd / && env -u LD_LIBRARY_PATH "$prefix/bin/tavrel" /input "$work/plan.amt" /output "$work/out.txt" /silent)
cmp "$work/out.txt" "$source_dir/tests/data/golden/joint-high-income.expected.txt"
"$prefix/bin/tavrel" --version | grep -q '2008.10.0.7'
echo "installed layout and silent run: fine"
