#!/bin/bash
# Rebuilds sample.chm, the small help file the tests read, from sample/ with
# chmcmd; writes the second ITSF GUID chmcmd gets wrong and zeroes the time
# stamp, so rebuilds give the same bytes.
set -euo pipefail
cd "$(dirname "$0")/sample"
chmcmd=${CHMCMD:-/opt/chmcmd/usr/bin/chmcmd-3.2.2}
log=$("$chmcmd" sample.hhp 2>&1)
if grep -v "javascript:" <<<"$log" | grep -qi "warning\|error"; then echo "$log" >&2; exit 1; fi
python3 - sample.chm <<'PY'
import sys, uuid
p = sys.argv[1]
b = bytearray(open(p, 'rb').read())
b[0x10:0x14] = bytes(4)
b[0x28:0x38] = uuid.UUID('7C01FD11-7BAA-11D0-9E0C-00A0C922E6EC').bytes_le
open(p, 'wb').write(b)
PY
mv sample.chm ../sample.chm
