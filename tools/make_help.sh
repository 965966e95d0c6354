#!/bin/bash
# Builds the game's help files with chmcmd (Free Pascal's CHM compiler):
# data/ZkHelp.chm from the Japanese pages in data/help/ and data/ZkHelp_en.chm
# from the English ones in data/help/en/, then makes each reproducible. The
# built files are committed, so building or testing the game never needs this;
# run it after editing a page, then commit the pages and both files.
#
# chmcmd comes from Debian's fp-utils-3.2.2. Its package depends on 200 MiB
# of Pascal sources it never uses, so when chmcmd is not on the PATH the
# package is unpacked into a scratch folder instead (no root needed).
set -euo pipefail
cd "$(dirname "$0")/.."

# Each help: the folder of its pages and the file its ZkHelp.hhp compiles to.
helps=("data/help ZkHelp.chm" "data/help/en ZkHelp_en.chm")

# Nothing half-built stays behind among the sources.
scratch=
cleanup() {
    for help in "${helps[@]}"; do
        read -r folder file <<<"$help"
        rm -f "$folder/$file"
    done
    [ -z "$scratch" ] || rm -rf "$scratch"
}
trap cleanup EXIT

chmcmd=$(command -v chmcmd || command -v chmcmd-3.2.2 || true)
[ -n "$chmcmd" ] || [ ! -x /opt/chmcmd/usr/bin/chmcmd-3.2.2 ] || chmcmd=/opt/chmcmd/usr/bin/chmcmd-3.2.2
if [ -z "$chmcmd" ]; then
    scratch=$(mktemp -d)
    (cd "$scratch" && apt-get download fp-utils-3.2.2 >/dev/null && dpkg-deb -x fp-utils-*.deb .)
    chmcmd=$scratch/usr/bin/chmcmd-3.2.2
fi

# Both are built before either replaces its committed file, so that a fault in
# one leaves the pair as it was.
for help in "${helps[@]}"; do
    read -r folder file <<<"$help"
    # "Compiled file=" is relative to the current folder, so build from the pages'.
    rm -f "$folder/$file"
    status=0
    log=$(cd "$folder" && "$chmcmd" ZkHelp.hhp 2>&1) || status=$?
    echo "$log"
    # A link to a missing page is only a warning, and chmcmd still exits 0.
    if [ "$status" -ne 0 ] || [ ! -s "$folder/$file" ] || grep -qiE 'warning|error' <<<"$log"; then
        echo "make_help.sh: chmcmd complained about $folder; no help file updated" >&2
        exit 1
    fi
    python3 tools/fix_chm.py "$folder/$file"
done
for help in "${helps[@]}"; do
    read -r folder file <<<"$help"
    mv "$folder/$file" "data/$file"
    ls -l "data/$file"
done
