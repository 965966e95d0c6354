#!/bin/bash
# Starts the game under a virtual X server with one hostile file at a time and
# measures how soon it answers a click on 終了 sent the moment its window shows,
# and its peak memory. Usage: bench/hostile.sh PROGRAM [SAMPLE_FOLDER]
# Without a folder the sample is the game's own word list, its default settings
# and 20 saved rounds.
set -euo pipefail
program=$(realpath "$1")
work=$(mktemp -d /tmp/hostile.XXXXXX)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
if [ -n "${2:-}" ]; then
    sample=$(realpath "$2")
else
    sample=$work/sample-files
    mkdir -p "$sample"
    cp "$(dirname "$0")/../data/辞書.txt" "$sample/"
    printf '60,1\r\n' >"$sample/設定.txt"
    for i in $(seq 10 29); do
        printf '"2024/05/01","21:%02d:45",25,20,5,90,"80.0%%","1.50/\x95\x62","60\x95\x62"\r\n' "$i"
    done >"$sample/履歴.txt"
fi
unset QT_QPA_PLATFORM

n=60
while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
# -noreset: the server would reset as each xdotool closes, dropping a game that
# connects at that moment.
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
export DISPLAY=":$n" LC_ALL=C.UTF-8
sleep 1

make_case() { # name file how
    local dir=$work/$1
    mkdir -p "$dir"
    cp "$sample"/* "$dir/"
    case $3 in
    random*) head -c "${3#random}" /dev/urandom > "$dir/$2" ;;
    oneline*) head -c "${3#oneline}" /dev/zero | tr '\0' 'a' > "$dir/$2" ;;
    records*) head -n 1 "$sample/履歴.txt" > "$work/line"
        { yes "$(cat "$work/line")" || true; } | head -n "${3#records}" > "$dir/$2" ;;
    none) ;;
    esac
}

run_case() { # name
    local dir=$work/$1 start end window
    start=$(date +%s%N)
    (cd "$dir" && XDG_RUNTIME_DIR=$work exec /usr/bin/time -f "%M" -o "$work/$1.rss" "$program") &
    local pid=$!
    window=""
    until [ -n "$window" ]; do
        window=$(xdotool search --name "^モジロタイピング$" 2>/dev/null | head -n 1) || sleep 0.01
    done
    # A click that comes before the window takes input is lost: click again
    # until the game ends.
    while kill -0 "$pid" 2>/dev/null; do
        xdotool mousemove --window "$window" 593 40 click 1 2>/dev/null || true
        sleep 0.02
    done
    wait "$pid" || true
    end=$(date +%s%N)
    printf '%-28s %8.0f ms %8.1f MiB\n' "$1" "$(((end - start) / 1000000))" \
        "$(awk '{print $1 / 1024}' "$work/$1.rss")"
}

make_case sample - none
make_case 'dict-random-50MB' 辞書.txt random50000000
make_case 'dict-random-200MB' 辞書.txt random200000000
make_case 'dict-one-line-150MB' 辞書.txt oneline150000000
make_case 'history-random-200MB' 履歴.txt random200000000
make_case 'history-200000-records' 履歴.txt records200000
make_case 'settings-random-5MB' 設定.txt random5000000
echo "case                         answered      peak RSS"
for c in sample dict-random-50MB dict-random-200MB dict-one-line-150MB history-random-200MB \
    history-200000-records settings-random-5MB; do
    run_case "$c"
done
