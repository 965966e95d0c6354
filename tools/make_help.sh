#!/bin/bash
# Builds data/ZkHelp.chm from the pages in data/help/ with chmcmd (Free
# Pascal's CHM compiler), then makes the result reproducible. The built file is
# committed, so building or testing the game never needs this; run it after
# editing a page, then commit both.
#
# chmcmd comes from Debian's fp-utils-3.2.2. Its package depends on 200 MiB
# of Pascal sources it never uses, so when chmcmd is not on the PATH the
# package is unpacked into a scratch folder instead (no root needed).
set -euo pipefail
cd "$(dirname "$0")/.."

# Nothing half-built stays behind among the sources.
scratch=
trap 'rm -rf data/help/ZkHelp.chm ${scratch:+"$scratch"}' EXIT

chmcmd=$(command -v chmcmd || command -v chmcmd-3.2.2 || true)
[ -n "$chmcmd" ] || [ ! -x /opt/chmcmd/usr/bin/chmcmd-3.2.2 ] || chmcmd=/opt/chmcmd/usr/bin/chmcmd-3.2.2
if [ -z "$chmcmd" ]; then
    scratch=$(mktemp -d)
    (cd "$scratch" && apt-get download fp-utils-3.2.2 >/dev/null && dpkg-deb -x fp-utils-*.deb .)
    chmcmd=$scratch/usr/bin/chmcmd-3.2.2
fi

# "Compiled file=" is relative to the current folder, so build from the pages'.
rm -f data/help/ZkHelp.chm
status=0
log=$(cd data/help && "$chmcmd" ZkHelp.hhp 2>&1) || status=$?
echo "$log"
# A link to a missing page is only a warning, and chmcmd still exits 0.
if [ "$status" -ne 0 ] || [ ! -s data/help/ZkHelp.chm ] || grep -qiE 'warning|error' <<<"$log"; then
    echo "make_help.sh: chmcmd complained; ZkHelp.chm not updated" >&2
    exit 1
fi
python3 tools/fix_chm.py data/help/ZkHelp.chm
mv data/help/ZkHelp.chm data/ZkHelp.chm
ls -l data/ZkHelp.chm
