#!/bin/bash
# Starts the real program under a virtual X server in a folder holding the three
# files, finds its window by its caption, checks its size, opens the chart from
# the results table with the menu key and ends it with End.
# Whatever it writes to stderr (a Qt warning, a sanitizer report) fails the test.
set -euo pipefail
program=$1
folder=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$folder"' EXIT

cp "$2" "$folder/辞書.txt"
printf '30,0\r\n' > "$folder/設定.txt"
printf '"2024/05/01","21:03:45",25,20,5,90,"80.0%%","1.50/\x95\x62","60\x95\x62"\r\n' > "$folder/履歴.txt"
cp "$folder/履歴.txt" "$folder/before.txt"

# A display of our own, whatever the caller's environment says.
unset QT_QPA_PLATFORM WAYLAND_DISPLAY QT_IM_MODULE
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$folder/run"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
wait_s=${MOJIRO_WINDOW_WAIT:-10}

n=90
while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
# -noreset: the server would reset as each xdotool closes, dropping a game that
# connects at that moment.
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
export DISPLAY=":$n"
sleep 1

# Prints the id of the window with this exact caption once it is there.
find_window() {
    local id=""
    for _ in $(seq $((wait_s * 10))); do
        id=$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$id" ] && break
        sleep 0.1
    done
    echo "$id"
}

(cd "$folder" && exec "$program" 2>"$folder/run/stderr") &
game=$!
window=$(find_window モジロタイピング)
[ -n "$window" ] || { echo "window not found"; exit 1; }
size=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[ "$size" = "631x452" ] || { echo "window is $size"; exit 1; }

sleep 0.5
# The menu key on the results table opens the chart of the history.
xdotool mousemove --window "$window" 100 326 click 1 # a cell of the table
xdotool key Menu
sleep 0.5
xdotool key g
[ -n "$(find_window 成績グラフ)" ] || { echo "the menu key did not open the chart"; exit 1; }

xdotool windowraise "$window" # no window manager here to bring it to the front
sleep 0.3
xdotool mousemove --window "$window" 593 40 click 1 # the End button, which closes it too
for _ in $(seq $((wait_s * 5))); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$game" 2>/dev/null; then echo "still running after End"; exit 1; fi
wait "$game"
cmp "$folder/履歴.txt" "$folder/before.txt" # nothing is saved at exit
if [ -s "$folder/run/stderr" ]; then echo "it wrote to stderr:"; cat "$folder/run/stderr"; exit 1; fi
echo "ok: window $size, chart opened by the menu key, ended by End"
