#!/usr/bin/env bash
# Checks the Debian package on a clean Debian 12 system: a minimal root made by
# debootstrap (once, into ROOT), the package installed with apt (which brings
# its dependencies), the silent example run as an ordinary user and compared
# with its golden output, the manual page and menu entry present, and the
# package removed again without leftovers. Needs root, debootstrap and network
# access to the Debian mirror.
set -euo pipefail
deb=$(readlink -f "$1")
root=${2:-$(dirname "$deb")/clean-root}
source_dir=$(cd "$(dirname "$0")/.." && pwd)

if [ ! -x "$root/usr/bin/apt-get" ]; then
  debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
fi
in_root() {
  chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@"
}
mount -t proc proc "$root/proc"
trap 'umount "$root/proc" || true' EXIT

cp "$deb" "$root/tmp/tavrel.deb"
in_root apt-get update -qq
in_root apt-get install -y -qq /tmp/tavrel.deb > /dev/null
echo "installed: $(in_root dpkg-query -W -f='${Package} ${Version}' tavrel)"

in_root id -u checker > /dev/null 2>&1 || in_root useradd -m checker
rm -f "$root/home/checker/plan.txt"
cp "$source_dir/examples/joint-high-income.amt" "$root/home/checker/plan.amt"
in_root chown checker:checker /home/checker/plan.amt
in_root su checker -c "cd /home/checker && tavrel /input plan.amt /output plan.txt /silent"
cmp "$root/home/checker/plan.txt" "$source_dir/tests/data/golden/joint-high-income.expected.txt"
echo "silent run as an ordinary user: output identical to the golden file"
in_root su checker -c "tavrel --version"
test -f "$root/usr/share/man/man1/tavrel.1.gz" && test -f "$root/usr/share/applications/tavrel.desktop"
test -f "$root/usr/lib/tavrel/Ind2008.tbl" && test -f "$root/usr/share/tavrel/AMT.html"
test ! -e "$root/home/checker/tavrel.ini"  # a silent run writes no settings

# The interactive program starts on a display (it waits at its About box; the
# timeout ending it, status 124, means it came up and did not crash).
in_root apt-get install -y -qq xvfb xauth > /dev/null
status=0
in_root su checker -c "timeout 10 xvfb-run -a tavrel" || status=$?
if [ "$status" -ne 124 ]; then echo "the interactive program ended with status $status"; exit 1; fi
echo "interactive program started on a display"

in_root apt-get remove -y -qq tavrel > /dev/null
for f in /usr/bin/tavrel /usr/lib/tavrel /usr/share/tavrel /usr/share/applications/tavrel.desktop; do
  if [ -e "$root$f" ]; then echo "left behind after removal: $f"; exit 1; fi
done
echo "removed cleanly"
