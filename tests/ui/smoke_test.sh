#!/bin/bash
# Starts the real program under a virtual X server in a folder holding the three
# files, finds its window by its caption, checks its size, opens the chart from
# the results table with the menu key and ends it with End; then ROUND plays a
# round in the real window on the same display, and xdotool types a round's
# answer in romaji, which the game's own input turns into kana.
# Whatever either writes to stderr (a Qt warning, a sanitizer report) fails the test.
#   smoke_test.sh PROGRAM WORD-LIST ROUND
set -euo pipefail
program=$1
folder=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$folder"' EXIT
source "$(dirname "$0")/../display.sh"

cp "$2" "$folder/辞書.txt"
printf '30,0\r\n' > "$folder/設定.txt"
printf '"2024/05/01","21:03:45",25,20,5,90,"80.0%%","1.50/\x95\x62","60\x95\x62"\r\n' > "$folder/履歴.txt"
cp "$folder/履歴.txt" "$folder/before.txt"

# A display of our own, whatever the caller's environment says.
unset QT_QPA_PLATFORM WAYLAND_DISPLAY QT_IM_MODULE
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$folder/run" XDG_CACHE_HOME="$folder/cache" # nothing in the tester's home
mkdir -m 0700 "$XDG_RUNTIME_DIR"
start_display || { echo "SKIP: no virtual X server would start"; exit 77; }

(cd "$folder" && exec "$program" 2>"$folder/run/stderr") &
game=$!
window=$(find_window モジロタイピング) || { echo "window not found"; exit 1; }
size=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[ "$size" = "631x452" ] || { echo "window is $size"; exit 1; }

# The menu key on the results table opens the chart of the history. The
# program takes the events in order, so the menu is open when g comes.
xdotool mousemove --window "$window" 100 326 click 1 # a cell of the table
xdotool key Menu g
find_window 成績グラフ >/dev/null || { echo "the menu key did not open the chart"; exit 1; }

xdotool windowraise "$window" # no window manager here to bring it to the front
xdotool mousemove --window "$window" 593 40 click 1 # the End button, which closes it too
wait_until "$wait_s" gone "$game" || { echo "still running after End"; exit 1; }
wait "$game"
cmp "$folder/履歴.txt" "$folder/before.txt" # nothing is saved at exit
if [ -s "$folder/run/stderr" ]; then echo "it wrote to stderr:"; cat "$folder/run/stderr"; exit 1; fi

# With no input method on the display, romaji typed into the answer box
# becomes kana: a round of ねこ answered by the keys n e k o.
mkdir "$folder/romaji"
printf '\x82\xcb\x82\xb1\r\n' >"$folder/romaji/辞書.txt"
printf '10,1\r\n' >"$folder/romaji/設定.txt"
(cd "$folder/romaji" && exec "$program" 2>"$folder/run/stderr") &
game=$!
window=$(find_window モジロタイピング) || { echo "window not found"; exit 1; }
xdotool mousemove --window "$window" 372 40 click 1 # スタート
# The question is up once its label holds ink.
question_shown() {
    [ "$(import -window "$window" -crop 120x50+55+170 -depth 8 txt:- 2>/dev/null |
        grep -c '#000000')" -gt 50 ]
}
wait_until "$wait_s" question_shown || { echo "no question after スタート"; exit 1; }
xdotool type --delay 50 neko
xdotool key Return
saved() { [ -s "$folder/romaji/履歴.txt" ]; }
wait_until "$wait_s" saved || { echo "the round was not saved"; exit 1; }
line=$(iconv -f CP932 -t UTF-8 "$folder/romaji/履歴.txt")
case $line in
*',1,1,0,2,"100.0%"'*) ;;
*) echo "the romaji round saved: $line"; exit 1 ;;
esac
xdotool mousemove --window "$window" 593 40 click 1 # 終了
wait_until "$wait_s" gone "$game" || { echo "still running after End"; exit 1; }
if [ -s "$folder/run/stderr" ]; then echo "it wrote to stderr:"; cat "$folder/run/stderr"; exit 1; fi

# Asked to end by the system, as at log-out, the game ends as its window's close
# does, after keeping the word-list panel's order in the cache folder.
rm -rf "$XDG_CACHE_HOME"
(cd "$folder/romaji" && exec "$program" 2>"$folder/run/stderr") &
game=$!
find_window モジロタイピング >/dev/null || { echo "window not found"; exit 1; }
kill -TERM "$game"
status=0
wait "$game" || status=$?
[ $status -eq 0 ] || { echo "SIGTERM ended it with status $status"; exit 1; }
[ -s "$XDG_CACHE_HOME/mojiro/panel_order" ] || { echo "no panel order kept"; exit 1; }
if [ -s "$folder/run/stderr" ]; then echo "it wrote to stderr:"; cat "$folder/run/stderr"; exit 1; fi

status=0
"$3" >"$folder/round.out" 2>"$folder/round.err" || status=$?
cat "$folder/round.out"
[ $status -eq 0 ] || { echo "the round failed ($status):"; cat "$folder/round.err"; exit 1; }
if [ -s "$folder/round.err" ]; then echo "the round wrote to stderr:"; cat "$folder/round.err"; exit 1; fi
echo "ok: window $size, chart opened by the menu key, ended by End; a round played"
