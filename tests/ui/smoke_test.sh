#!/bin/bash
# Starts the real program under a virtual X server in a folder holding the three
# files, finds its window by its caption, checks its size and ends it with End.
set -euo pipefail
program=$1
words=$2

folder=$(mktemp -d)
display=""
xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$folder"
}
trap cleanup EXIT

cp "$words" "$folder/辞書.txt"
printf '30,0\r\n' > "$folder/設定.txt"
printf '"2024/05/01","21:03:45",25,20,5,90,"80.0%%","1.50/\x95\x62","60\x95\x62"\r\n' \
    > "$folder/履歴.txt"
cp "$folder/履歴.txt" "$folder/before.txt"

for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X$n-lock" ]; then
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        sleep 1
        if kill -0 "$xvfb_pid" 2>/dev/null; then
            display=":$n"
            break
        fi
    fi
done
[ -n "$display" ] || { echo "no free X display"; exit 1; }
export DISPLAY=$display

(cd "$folder" && exec "$program") &
game_pid=$!

window=""
for _ in $(seq 1 100); do
    window=$(xdotool search --name "^モジロタイピング$" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "window not found"; exit 1; }

size=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
echo "window $window size $size"
[ "$size" = "631x452" ] || { echo "unexpected size $size"; exit 1; }

# The End button's centre, in window coordinates.
sleep 0.5
xdotool mousemove --window "$window" 593 40 click 1
for _ in $(seq 1 50); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$game_pid" 2>/dev/null; then
    echo "program still running after End"
    exit 1
fi
wait "$game_pid" || { echo "program failed"; exit 1; }
game_pid=""
cmp "$folder/履歴.txt" "$folder/before.txt"
cmp <(printf '30,0\r\n') "$folder/設定.txt"
echo "ok"
