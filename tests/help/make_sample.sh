#!/bin/bash
# Rebuilds sample.chm, the small help file the tests read, from sample/ with
# chmcmd, made reproducible as the game's own help is (tools/fix_chm.py).
set -euo pipefail
cd "$(dirname "$0")/sample"
chmcmd=${CHMCMD:-$(command -v chmcmd || command -v chmcmd-3.2.2 || echo /opt/chmcmd/usr/bin/chmcmd-3.2.2)}
log=$("$chmcmd" sample.hhp 2>&1)
if grep -v "javascript:" <<<"$log" | grep -qi "warning\|error"; then echo "$log" >&2; exit 1; fi
python3 ../../../tools/fix_chm.py sample.chm
mv sample.chm ../sample.chm
