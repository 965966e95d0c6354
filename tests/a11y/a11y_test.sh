#!/bin/bash
# The real program read over AT-SPI as Orca reads it: a virtual X server, a
# private session bus and the accessibility bus of our own, the game started
# with Qt's bridge on in a folder holding the one word ねこ, and
# screen_reader.py walking its tree, pressing スタート and 終了 by their actions.
# Nothing of the caller's session is used: its own bus, runtime folder and home.
# Whatever the game writes to stderr (a Qt warning, a sanitizer report) fails.
# Exits 77 (skipped) where the packages, Xvfb or the buses cannot start.
#   a11y_test.sh PROGRAM
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
folder=$(mktemp -d)
cleanup() {
    kill $(jobs -p) 2>/dev/null || true
    if [ -s "$folder/bus.pid" ]; then kill "$(cat "$folder/bus.pid")" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    rm -rf "$folder"
}
trap cleanup EXIT
source "$here/../display.sh"

skip() { echo "SKIP: $*"; exit 77; }
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || skip "no AT-SPI bus launcher (apt-get install at-spi2-core)"
for tool in Xvfb xdpyinfo xdotool dbus-daemon dbus-send; do
    command -v "$tool" >/dev/null || skip "no $tool (tools/setup.sh test installs it)"
done
# Debian's own Python holds pyatspi; another one first in PATH may not.
python=
for candidate in /usr/bin/python3 python3; do
    if "$candidate" -c 'import pyatspi' 2>/dev/null; then
        python=$candidate
        break
    fi
done
[ -n "$python" ] || skip "no python3 that imports pyatspi (apt-get install python3-pyatspi)"

unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS DISPLAY WAYLAND_DISPLAY QT_IM_MODULE
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_STATE_HOME
export HOME="$folder/home" XDG_RUNTIME_DIR="$folder/run"
mkdir -m 0700 "$HOME" "$XDG_RUNTIME_DIR"
start_display || skip "no virtual X server would start"

# The bus starts no service of the system's: only what is started here runs.
cat >"$folder/session.conf" <<EOF
<busconfig>
  <type>session</type>
  <listen>unix:path=$XDG_RUNTIME_DIR/bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
EOF
dbus-daemon --config-file="$folder/session.conf" --fork \
    --print-address=3 --print-pid=4 3>"$folder/bus.address" 4>"$folder/bus.pid" ||
    skip "no private D-Bus session bus would start"
# The forked bus writes both once it runs, maybe after its parent has gone.
line_in() { [ -s "$1" ] && [ -z "$(tail -c 1 "$1")" ]; }
written() { line_in "$folder/bus.address" && line_in "$folder/bus.pid"; }
wait_until "$wait_s" written || skip "the private D-Bus session bus gave no address"
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$folder/bus.address")
export DBUS_SESSION_BUS_ADDRESS

"$launcher" --launch-immediately >"$folder/launcher.log" 2>&1 &
launcher_pid=$!
# Up once the launcher here answers with a bus that answers in turn; 2 when the
# launcher has ended.
a11y_bus_up() {
    kill -0 "$launcher_pid" 2>/dev/null || return 2
    local address
    address=$(dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress 2>/dev/null) || return 1
    address=$(sed -n 's/^ *string "\(.*\)"$/\1/p' <<<"$address")
    [ -n "$address" ] && dbus-send --bus="$address" --print-reply --dest=org.freedesktop.DBus \
        /org/freedesktop/DBus org.freedesktop.DBus.GetId >/dev/null 2>&1
}
up_or_ended() { a11y_bus_up || [ $? -eq 2 ]; }
if ! wait_until "$wait_s" up_or_ended || ! a11y_bus_up; then
    cat "$folder/launcher.log"
    skip "the AT-SPI bus did not start"
fi

mkdir "$folder/game"
printf '\x82\xcb\x82\xb1\r\n' >"$folder/game/辞書.txt"
printf '10,0\r\n' >"$folder/game/設定.txt"
(cd "$folder/game" && QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 \
    exec "$program" 2>"$folder/game.err") &
game=$!
shown_or_gone() { window_named モジロタイピング || gone "$game"; }
if ! wait_until "$wait_s" shown_or_gone || gone "$game"; then
    echo "the game's window did not show:"; cat "$folder/game.err"; exit 1
fi

status=0
"$python" "$here/screen_reader.py" || status=$?
[ $status -eq 0 ] || { echo "the screen reader's reading failed ($status)"; exit 1; }
# Its last act was 終了, pressed through AT-SPI.
wait_until "$wait_s" gone "$game" || { echo "still running after 終了"; exit 1; }
status=0
wait "$game" || status=$?
[ $status -eq 0 ] || { echo "the game ended with $status after 終了"; exit 1; }
if [ -s "$folder/game.err" ]; then echo "the game wrote to stderr:"; cat "$folder/game.err"; exit 1; fi
echo "ok: every focusable control named; スタート and 終了 pressed by their actions; the question and 正解数 read as shown"
