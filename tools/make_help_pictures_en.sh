#!/bin/bash
# Takes the English help's screenshots (data/help/en/*.png) from the real game
# in English under Xvfb, framed as the Japanese help's: a 60-second round of
# たいぴんぐ with 5 right answers and 1 wrong after three saved rounds, typed
# with the game's own romaji input. lights.png holds no words and stays as it is.
# Needs the game built (cmake --build build --target mojiro), Xvfb, xdotool and
# ImageMagick; takes a little over a minute. Look at the pictures before
# committing them, then run tools/make_help.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
game=$PWD/build/app/mojiro
out=$PWD/data/help/en
source tests/display.sh
[ -x "$game" ] || { echo "make_help_pictures_en.sh: build $game first" >&2; exit 1; }

scratch=$(mktemp -d)
game_pid=
xvfb_pid=
cleanup() {
    [ -z "$game_pid" ] || kill "$game_pid" 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
cd "$scratch"
printf 'たいぴんぐ\r\n' | iconv -t CP932 >辞書.txt
printf '"%s","%s",%s,%s,%s,%s,"%s","%s/秒","60秒"\r\n' \
    2026/12/01 20:15:02 18 15 3 52 83.3% 0.87 \
    2026/12/03 21:40:37 22 20 2 71 90.9% 1.18 \
    2026/12/05 19:05:11 27 25 2 96 92.6% 1.60 | iconv -t CP932 >履歴.txt
printf '60,1\r\n' >設定.txt # auto-save on: the round saves itself at time up

start_display
# No input method reaches the answer box, so the game types romaji into kana.
LC_ALL=C.UTF-8 TZ=Asia/Tokyo QT_IM_MODULE='' "$game" --language en >game.log 2>&1 &
game_pid=$!
window=$(find_window "モジロタイピング")
xdotool windowmove --sync "$window" 0 0
xdotool windowfocus --sync "$window"

# The window as shown, once two looks in a row agree, so nothing is half drawn.
grab() { import -window root -crop 631x452+0+0 +repage "$1"; }
settled() {
    grab "$1"
    until sleep 0.2 && grab next.png && [ "$(compare -metric AE "$1" next.png null: 2>&1)" = 0 ]; do
        mv next.png "$1"
    done
}
question_shown() {
    grab now.png
    [ "$(convert now.png -crop 380x60+52+162 -format %k info:)" -gt 1 ]
}
# The time bar turns red from the right; a quarter of the round is gone by x=440.
quarter_gone() {
    grab now.png
    [ "$(convert now.png -format '%[hex:p{440,152}]' info:)" = FF0000 ]
}
# The help's size, in a small palette and without the time of the run.
save() {
    convert "$1" ${2:+-crop "$2" +repage} -filter Triangle -resize "$3!" -strip -dither None \
        -colors 128 PNG8:"$out/$4"
}
answer() { xdotool type --delay 40 "$1" && xdotool key Return; }

xdotool key alt+s
wait_until "$wait_s" question_shown
for _ in 1 2 3 4; do answer taipingu; done
answer taipigunn # たいぴぐん, wrong
wait_until "$wait_s" window_named "Wrong answer"
settled wrong.png
save wrong.png 631x210+0+88 540x180 wrong.png
xdotool key Return
wait_until "$wait_s" eval '! window_named "Wrong answer"'
answer taipingu
wait_until "$wait_s" quarter_gone
settled round.png
save round.png "" 540x387 round.png

lines() { [ "$(wc -l <履歴.txt)" -eq 4 ]; }
wait_until 120 lines
settled window.png
save window.png "" 540x387 window.png
save window.png 590x88+22+302 540x81 table.png
save window.png 420x50+185+96 420x50 figures.png
# The parts of the window numbered as on the Japanese screen.png.
marks=()
for mark in 1:15:119 2:56:135 3:188:129 4:247:97 5:416:151 6:63:171 7:81:253 8:571:216 9:12:351 \
    10:333:51; do
    IFS=: read -r n x y <<<"$mark"
    marks+=(-fill '#d81818' -stroke white -strokewidth 2 -draw "circle $x,$y $((x + 9)),$y"
        -stroke none -fill white -pointsize $((${#n} > 1 ? 11 : 13))
        -annotate "$(printf '%+d%+d' $((x - 315)) $((y - 226)))" "$n")
done
convert window.png -font DejaVu-Serif-Bold -gravity center "${marks[@]}" screen.png
save screen.png "" 540x387 screen.png

xdotool windowfocus --sync "$window" key alt+q
wait_until "$wait_s" gone "$game_pid" && game_pid=
ls -l "$out"/{window,screen,round,wrong,table,figures}.png
