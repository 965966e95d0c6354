#!/bin/bash
# Plays the real program at random under a virtual X server: clicks, keys, kana,
# every menu, rounds with wrong and right answers, and whatever windows and
# dialogs they open. Fails when the program dies, when its memory keeps
# growing, when a file it keeps is left malformed, when it writes anything at
# all to stderr (a Qt warning, a sanitizer report), or when it does not end by
# its End button.
#   monkey.sh PROGRAM DATA-FOLDER     (the folder with 辞書.txt, 単語リスト/, ZkHelp.chm)
# MOJIRO_MONKEY_SECONDS=N how long to play (60; MOJIRO_FULL=1 makes it 1800)
# MOJIRO_MONKEY_SEED=N    the seed printed by an earlier run: the same choices, though
#                         not at quite the same moments
# MOJIRO_MONKEY_KEEP=1    keeps the test folder for a look afterwards
set -uo pipefail # not -e: acting on a window that has just gone fails, harmlessly
# All of it in braces, read whole before it starts: a run lasts long enough for
# the file to be edited meanwhile.
{

program=$1
data=$2
for tool in Xvfb xdotool xprop xwininfo xdpyinfo iconv sqlite3; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (tools/setup.sh test installs it)"
        exit 77
    fi
done

if [ -n "${MOJIRO_MONKEY_SECONDS:-}" ]; then
    duration=$MOJIRO_MONKEY_SECONDS
elif [ "${MOJIRO_FULL:-}" = 1 ]; then
    duration=1800
else
    duration=60
fi
seed=${MOJIRO_MONKEY_SEED:-$(($(date +%s%N) / 1000 % 32768))}
RANDOM=$seed # every choice below comes from $RANDOM in this shell, never in a subshell
# Memory settles within the first minute: each window is opened once at the
# start, and the fonts, the help, the record's database are all in use by then.
# A short run has no minute to spare, so it takes the value at 20 s; the
# allowance is the same.
if [ "$duration" -ge 300 ]; then base_at=60; else base_at=20; fi
allowance_kb=$((20 * 1024))
# Under AddressSanitizer freed memory waits in a quarantine (256 MiB unless
# told) before it is used again, and every byte costs some three with its
# redzones and shadow: a small quarantine, and an allowance that counts both.
# Leaks themselves LeakSanitizer reports at the end.
if grep -qa __asan_init "$program" 2>/dev/null; then
    if [[ ${ASAN_OPTIONS:-} != *quarantine_size_mb* ]]; then
        export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}quarantine_size_mb=16"
    fi
    allowance_kb=$(((3 * 20 + 16) * 1024))
    echo "monkey: built with AddressSanitizer: ASAN_OPTIONS=$ASAN_OPTIONS, memory allowance $((allowance_kb / 1024)) MiB"
fi
echo "monkey: seed $seed, $duration s, memory base at $base_at s (MOJIRO_MONKEY_SEED=$seed replays the choices)"

folder=$(mktemp -d)
xvfb=""
game=""
cleanup() {
    [ -n "$game" ] && kill "$game" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    if [ "${MOJIRO_MONKEY_KEEP:-}" = 1 ]; then echo "monkey: kept $folder"; else rm -rf "$folder"; fi
}
trap cleanup EXIT

# The program's folder, and a home of its own, so that nothing is written elsewhere.
home=$folder/home
mkdir -p "$home/.config" "$home/.local/share" "$home/.cache" "$home/.local/state" "$folder/bin"
mkdir -m 0700 "$folder/run"
cp "$data/辞書.txt" "$data/ZkHelp.chm" "$folder/"
cp -r "$data/単語リスト" "$folder/"
printf '10,0\r\n' >"$folder/設定.txt"
printf '"2024/05/01","21:03:45",25,20,5,90,"80.0%%","1.50/\x95\x62","60\x95\x62"\r\n' >"$folder/履歴.txt"
# Files to import: a list of two words, so that typed answers are often right;
# one in Shift JIS; a file that is not text; an empty one; a list already in the folder.
printf 'ねこ\r\nいぬ\r\n' >"$home/ああ.txt"
printf 'さくら,もみじ\r\nつばき\r\n' | iconv -f UTF-8 -t CP932 >"$home/しき.txt"
head -c 4096 "$data/ZkHelp.chm" >"$home/help.txt"
: >"$home/から.txt"
imports=("$home/ああ.txt" "$home/ああ.txt" "$home/しき.txt" "$home/help.txt" "$home/から.txt"
    "$folder/単語リスト/どうぶつ.txt" "$home/ない.txt")
exports=("$home/モジロ履歴.csv" "$home/結果.csv" "$home/out.csv")
# The help has no outside links, but a browser must never start from here.
printf '#!/bin/sh\necho "$@" >>"%s/xdg-open.log"\n' "$folder" >"$folder/bin/xdg-open"
chmod +x "$folder/bin/xdg-open"

unset QT_QPA_PLATFORM WAYLAND_DISPLAY QT_IM_MODULE QT_QPA_PLATFORMTHEME XMODIFIERS \
    GTK_IM_MODULE DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER
export QT_QPA_PLATFORM=xcb HOME="$home" XDG_CONFIG_HOME="$home/.config" \
    XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" \
    XDG_STATE_HOME="$home/.local/state" XDG_RUNTIME_DIR="$folder/run" PATH="$folder/bin:$PATH"
export LC_ALL=C.UTF-8 # xdotool types kana only in a UTF-8 locale
wait_s=${MOJIRO_WINDOW_WAIT:-60}

# A display of our own, the first free one from :90; another test may take a
# number between the look and the start, so a server that does not come up
# moves on to the next.
n=90
while :; do
    while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    # -noreset: the server would reset as each xdotool closes, dropping the game
    # if it connects at that moment.
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 50); do
        xdpyinfo -display ":$n" >/dev/null 2>&1 && break
        kill -0 "$xvfb" 2>/dev/null || break
        sleep 0.1
    done
    if xdpyinfo -display ":$n" >/dev/null 2>&1 && kill -0 "$xvfb" 2>/dev/null; then break; fi
    kill "$xvfb" 2>/dev/null
    n=$((n + 1))
    [ "$n" -gt 140 ] && { echo "SKIP: no virtual X server would start"; exit 77; }
done
export DISPLAY=":$n"

stderr_file=$folder/run/stderr
(cd "$folder" && exec "$program" 2>"$stderr_file") &
game=$!

fail() {
    echo "FAIL: $*"
    if ! kill -0 "$game" 2>/dev/null; then
        wait "$game"
        echo "the program ended with status $?"
    fi
    echo "--- the program's stderr:"
    cat "$stderr_file"
    echo "--- the windows open:"
    for w in $(xdotool search --onlyvisible --pid "$game" 2>/dev/null); do
        echo "$w $(xdotool getwindowname "$w" 2>/dev/null)"
    done
    exit 1
}

main=""
for _ in $(seq $((wait_s * 10))); do
    main=$(xdotool search --onlyvisible --name '^モジロタイピング$' 2>/dev/null | head -n 1)
    [ -n "$main" ] && break
    kill -0 "$game" 2>/dev/null || break
    sleep 0.1
done
[ -n "$main" ] || fail "the window did not open"

# Times in milliseconds since the start.
t0=${EPOCHREALTIME/./}
now_ms() { now=$(((${EPOCHREALTIME/./} - t0) / 1000)); }

declare -A count=([clicks]=0 [keys]=0 [kana]=0 [menus]=0 [rounds]=0 [answers]=0
    [dialogs]=0 [windows]=0 [practice]=0)
events() { echo $((count[clicks] + count[keys] + count[kana] + count[menus])); }

# --- Windows -----------------------------------------------------------------
# What each window of the program is, by its id: main, popup (menus and lists
# that drop down), tip, modal, or window (the chart, the weak words, the help).
declare -A kind name seen titles
scan() {
    popups=() modals=() windows=()
    local w info
    for w in $(xdotool search --onlyvisible --pid "$game" 2>/dev/null); do
        if [ -z "${kind[$w]:-}" ]; then
            name[$w]=$(xdotool getwindowname "$w" 2>/dev/null) || continue
            info=$(xwininfo -id "$w" 2>/dev/null) || continue
            if [ "$w" = "$main" ]; then
                kind[$w]=main
            elif [[ $info == *"Override Redirect State: yes"* ]]; then
                # A tip is one line high.
                local h=${info#*Height: }
                h=${h%%$'\n'*}
                if [ "$h" -lt 40 ]; then kind[$w]=tip; else kind[$w]=popup; fi
            elif xprop -id "$w" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_MODAL; then
                kind[$w]=modal
            else
                kind[$w]=window
            fi
        fi
        case ${kind[$w]} in
        popup) popups+=("$w") ;;
        modal) modals+=("$w") ;;
        window) windows+=("$w") ;;
        esac
    done
}

height_of() { xwininfo -id "$1" 2>/dev/null | awk '/Height:/ {print $2}'; }
size_of() { xwininfo -id "$1" 2>/dev/null | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}'; }

# Waits up to a second for a popup to show; sets popup to it.
wait_popup() {
    popup=""
    for _ in $(seq 20); do
        scan
        [ ${#popups[@]} -gt 0 ] && { popup=${popups[-1]}; return 0; }
        [ ${#modals[@]} -gt 0 ] && return 1
        sleep 0.05
    done
    return 1
}

key() {
    xdotool key --delay 40 "$@" 2>/dev/null
    count[keys]=$((count[keys] + $#))
}
type_text() {
    xdotool type --delay 40 "$1" 2>/dev/null
    count[kana]=$((count[kana] + 1))
}
click() { # window x y [button]
    xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}" 2>/dev/null
    count[clicks]=$((count[clicks] + 1))
}
pick() { picked=${*:$((RANDOM % $# + 1)):1}; }

# Return or space pressed with a button focused presses it, and one of them is
# End. Keys like these go only where a click has just put the focus on a field.
focus_safe=0

front() { # the main window over the others, usually with the keyboard
    xdotool windowraise "$main" 2>/dev/null
    [ $((RANDOM % 10)) -gt 0 ] && xdotool windowfocus "$main" 2>/dev/null
}

# --- Answering dialogs ---------------------------------------------------------
# When each of the rarer dialogs came. One that tells of a file it could not
# write fails the run: nothing here keeps the program from writing its folder.
tell_message() {
    local w=$1
    case ${name[$w]} in
    間違い | CSVに書き出す | 単語リストを読み込む | "単語リストの編集 - "* | Print* | 印刷*) return ;;
    esac
    now_ms
    echo "monkey: $((now / 1000)) s: dialog \"${name[$w]}\""
    case ${name[$w]} in
    単語の記録 | 保存エラー | クリアエラー | 書き出しエラー)
        troubles+=("\"${name[$w]}\" at $((now / 1000)) s") ;;
    esac
}
troubles=()

# Answers the newest modal window. Each id is counted, so that one that will not
# go gets other keys and at last fails the run.
answer_modal() {
    local w=$1 n=${seen[$1]:-0}
    seen[$w]=$((n + 1))
    if [ "$n" -eq 0 ]; then
        count[dialogs]=$((count[dialogs] + 1))
        titles[${name[$w]}]=$((${titles[${name[$w]}]:-0} + 1))
    fi
    [ "$n" -gt 40 ] && fail "the dialog \"${name[$w]}\" does not go"
    xdotool windowfocus "$w" 2>/dev/null
    sleep 0.05
    [ "$n" -eq 0 ] && tell_message "$w"
    if [ "$n" -gt 6 ]; then # whatever it is, one of these ends it
        pick Escape Return "shift+Tab space" alt+s "Tab space"
        key $picked
        return
    fi
    local size
    case ${name[$w]} in
    単語リストを読み込む | CSVに書き出す)
        size=$(size_of "$w")
        if [ "${size% *}" -lt 500 ] || [ "$n" -gt 0 ]; then
            # The dialog's own question (replace the file?) or one typed into already.
            pick Return Return Escape
            key "$picked"
        elif [ $((RANDOM % 5)) -eq 0 ]; then
            key Escape
        else
            if [ "${name[$w]}" = CSVに書き出す ]; then pick "${exports[@]}"; else pick "${imports[@]}"; fi
            key ctrl+a
            type_text "$picked"
            key Return
        fi
        ;;
    "単語リストの編集 - "*)
        if [ "$n" -lt 2 ] && [ $((RANDOM % 4)) -gt 0 ]; then
            case $((RANDOM % 6)) in
            0) key End Return; kana_word; type_text "$word" ;;
            1) key ctrl+Home shift+Down Delete ;;
            2) key ctrl+End Return; type_text "$(random_kana)" ;;
            3) key Down Down BackSpace ;;
            4) key ctrl+End Return a b c ;;
            *) key ctrl+End Return; type_text "Ω€😀" ;; # not in Shift JIS: the editor asks
            esac
        else
            pick alt+s alt+s Escape
            key "$picked"
        fi
        ;;
    単語リストの編集)
        # The editor's questions: its first button keeps the words (or saves in
        # UTF-8), the default goes back to them.
        pick Return Escape "shift+Tab space" "shift+Tab space"
        key $picked
        ;;
    Print* | 印刷*) key Escape ;;
    クリア確認) pick Return Escape; key "$picked" ;;
    *) pick Return Return Return Escape; key "$picked" ;;
    esac
    focus_safe=0
}

# Chooses at random from an open popup: the menus and the lists of combo boxes.
choose_in_popup() {
    count[menus]=$((count[menus] + 1))
    case $((RANDOM % 10)) in
    0) key Escape ;;
    1 | 2) key $(printf 'Down %.0s' $(seq $((RANDOM % 4 + 1)))) Right Down Return ;;
    *) key $(printf 'Down %.0s' $(seq $((RANDOM % 8 + 1)))) Return ;;
    esac
    focus_safe=0
}

# Puts away what would stop the main window from taking input: popups and
# modal dialogs, and now and then one of the other windows.
housekeeping() {
    local tries
    for tries in $(seq 60); do
        kill -0 "$game" 2>/dev/null || fail "the program died"
        scan
        if [ ${#popups[@]} -gt 0 ]; then
            if [ $((RANDOM % 2)) -eq 0 ]; then choose_in_popup; else key Escape; fi
        elif [ ${#modals[@]} -gt 0 ]; then
            local newest=${modals[0]} w
            for w in "${modals[@]}"; do [ "$w" -gt "$newest" ] && newest=$w; done
            answer_modal "$newest"
        else
            return 0
        fi
        sleep 0.15
    done
    fail "popups or dialogs keep coming"
}

# --- Words ---------------------------------------------------------------------
kana_chars=(あ い う え お か き く け こ さ し す せ そ た ち つ て と な に ぬ ね の
    は ひ ふ へ ほ ま み む め も や ゆ よ ら り る れ ろ わ を ん が ぎ ぐ げ ご ゃ ゅ ょ っ ー
    ア イ ウ カ キ ク ン ジ ャ)
random_kana() {
    local s="" i
    for i in $(seq $((RANDOM % 5 + 1))); do s+=${kana_chars[$((RANDOM % ${#kana_chars[@]}))]}; done
    echo "$s"
}

# The words of the list the game plays, as its choice in オプション.txt names it.
list_words() {
    local list="" level=0 line file text
    if [ -f "$folder/オプション.txt" ]; then
        while IFS= read -r line; do
            case $line in
            wordlist/list=*) list=${line#*=} ;;
            wordlist/level=*) level=${line#*=} ;;
            esac
        done <"$folder/オプション.txt"
    fi
    list=$(printf '%b' "${list//%/\\x}")
    if [ -z "$list" ]; then file=$folder/辞書.txt; else file=$folder/単語リスト/$list; fi
    words=()
    [ -f "$file" ] || return
    if ! text=$(iconv -f UTF-8 -t UTF-8 "$file" 2>/dev/null); then
        text=$(iconv -f CP932 -t UTF-8 "$file" 2>/dev/null) || return
    fi
    local w
    while IFS= read -r w; do
        w=${w//$'\r'/}
        w=${w//\"/}
        w=${w// /}
        [ -z "$w" ] && continue
        case $level in
        1) [ ${#w} -ge 2 ] && [ ${#w} -le 3 ] || continue ;;
        2) [ ${#w} -ge 4 ] && [ ${#w} -le 5 ] || continue ;;
        3) [ ${#w} -ge 6 ] || continue ;;
        esac
        words+=("$w")
    done <<<"${text//,/$'\n'}"
}
kana_word() {
    list_words
    if [ ${#words[@]} -gt 0 ]; then word=${words[$((RANDOM % ${#words[@]}))]}; else word=$(random_kana); fi
}

# --- Actions on the main window --------------------------------------------------
# Places in the window, in pixels: 96 dpi, where a twip is 1/15 of a pixel.
start_xy=(373 40) save_xy=(428 40) clear_xy=(483 40) help_xy=(538 40)
answer_xy=(240 260) hint_xy=(36 190) combo_arrow_xy=(131 130) autosave_xy=(163 131)
panel_surface_xy=(527 287)

round_until=0 # when the round the driver started ends, by its time limit

# Anywhere but the End button (565-621, 10-71).
random_click() {
    local x y b=1
    while :; do
        x=$((RANDOM % 631)) y=$((RANDOM % 452))
        { [ "$x" -ge 555 ] && [ "$y" -le 80 ]; } || break
    done
    [ $((RANDOM % 6)) -eq 0 ] && b=3
    front
    click "$main" "$x" "$y" "$b"
    # Fields that take Return harmlessly: the answer box, the lists, the table.
    if { [ "$x" -ge 50 ] && [ "$x" -le 430 ] && [ "$y" -ge 228 ] && [ "$y" -le 290 ]; } ||
        { [ "$y" -ge 305 ] && [ "$y" -le 430 ] && [ "$x" -ge 25 ] && [ "$x" -le 605 ]; }; then
        focus_safe=1
    elif [ "$y" -le 80 ] || { [ "$x" -ge 140 ] && [ "$x" -le 180 ] && [ "$y" -ge 110 ] && [ "$y" -le 150 ]; }; then
        focus_safe=0 # a button
    fi
}

random_keys() {
    local n=$((RANDOM % 6 + 1)) ks=() k
    local safe=(a b c d e f g h i j k l m n o p q r s t u v w x y z 0 1 2 3 4 5 6 7 8 9
        BackSpace Left Right Up Down Escape Home End Delete)
    for _ in $(seq "$n"); do
        case $((RANDOM % 12)) in
        0) k=Tab; focus_safe=0 ;;
        1) if [ "$focus_safe" = 1 ]; then pick Return space; k=$picked; else k=Escape; fi ;;
        2) k=shift+Tab; focus_safe=0 ;;
        *) k=${safe[$((RANDOM % ${#safe[@]}))]} ;;
        esac
        ks+=("$k")
    done
    key "${ks[@]}"
}

answer() {
    front
    xdotool windowfocus "$main" 2>/dev/null
    click "$main" "${answer_xy[@]}"
    focus_safe=1
    key ctrl+a BackSpace
    if [ $((RANDOM % 5)) -eq 0 ]; then word=$(random_kana); else kana_word; fi
    type_text "$word"
    count[answers]=$((count[answers] + 1))
    # Usually Enter; else the word stays in the box, for a commit or the next key.
    [ $((RANDOM % 5)) -gt 0 ] && key Return
}

set_limit() { # the shortest limit mostly, so that rounds end often
    front
    click "$main" "${combo_arrow_xy[@]}"
    wait_popup || return
    count[menus]=$((count[menus] + 1))
    if [ $((RANDOM % 4)) -gt 0 ]; then key Home Return; else key Home Down Return; fi
    focus_safe=0
}

# The time limit of the next round, in seconds, as 設定.txt keeps it.
limit_s() {
    local limit
    limit=$(head -c 20 "$folder/設定.txt" 2>/dev/null | cut -d, -f1)
    [[ $limit =~ ^[0-9]+$ ]] || limit=60
    echo "$limit"
}

start_round() {
    [ $((RANDOM % 4)) -gt 0 ] && set_limit
    housekeeping
    front
    click "$main" "${start_xy[@]}"
    focus_safe=0
    now_ms
    if [ "$now" -gt "$round_until" ]; then
        round_until=$((now + (3 + $(limit_s)) * 1000))
        count[rounds]=$((count[rounds] + 1))
    fi
}

# Opens the word panel's menu. The panel of solved words covers the word
# panel at times, and has the window's shorter menu; a click on its surface hides it.
panel_menu() {
    click "$main" $((RANDOM % 130 + 460)) $((RANDOM % 90 + 185)) 3
    wait_popup || return 1
    [ "$(height_of "$popup")" -ge 200 ] && return 0
    key Escape
    click "$main" "${panel_surface_xy[@]}"
    click "$main" $((RANDOM % 130 + 460)) $((RANDOM % 90 + 185)) 3
    wait_popup || return 1
    [ "$(height_of "$popup")" -ge 200 ] && return 0
    key Escape
    return 1
}

# One of the three context menus, by the mouse or the menu key, and a choice in it.
menu() {
    front
    xdotool windowfocus "$main" 2>/dev/null
    case $((RANDOM % 3)) in
    0) # the window's own: sounds, volume, answering on a commit
        if [ $((RANDOM % 4)) -eq 0 ]; then
            key Menu # whatever has the focus: the answer box has a menu of its own
        else
            click "$main" $((RANDOM % 300 + 15)) $((RANDOM % 55 + 12)) 3
        fi
        wait_popup || return
        choose_in_popup
        ;;
    1) # the results table's: chart, weak words, export, copy
        if [ $((RANDOM % 3)) -eq 0 ]; then
            click "$main" $((RANDOM % 560 + 30)) $((RANDOM % 100 + 320))
            key Menu
        else
            click "$main" $((RANDOM % 560 + 30)) $((RANDOM % 100 + 320)) 3
        fi
        wait_popup || return
        count[menus]=$((count[menus] + 1))
        case $((RANDOM % 8)) in
        0) key Escape ;;
        1) key g ;; 2) key w ;; 3 | 4) key e ;; 5) key c ;;
        *) key $(printf 'Down %.0s' $(seq $((RANDOM % 4 + 1)))) Return ;;
        esac
        ;;
    2) # the word panel's: the lists, the lengths, import, editing, weak words
        panel_menu || return
        count[menus]=$((count[menus] + 1))
        case $((RANDOM % 12)) in
        0) key Escape ;;
        1 | 2) key Down Down Return ;; # the first list after 辞書.txt: the one imported
        3 | 4) key $(printf 'Down %.0s' $(seq $((RANDOM % 13 + 1)))) Return ;;
        5) key $(printf 'Down %.0s' $(seq $((RANDOM % 4 + 13)))) Return ;; # a length
        6 | 7) key i ;;
        8 | 9) key e ;;
        *) key w ;;
        esac
        ;;
    esac
    focus_safe=0
}

# Something in one of the other windows, or closes it.
other_window() {
    local w=$1 size wd ht
    size=$(size_of "$w")
    wd=${size% *} ht=${size#* }
    [ -n "$wd" ] && [ -n "$ht" ] || return
    xdotool windowraise "$w" 2>/dev/null
    xdotool windowfocus "$w" 2>/dev/null
    sleep 0.05
    case ${name[$w]} in
    苦手な単語)
        case $((RANDOM % 10)) in
        0 | 1) # a practice round, when there are weak words and no round
            key alt+p
            count[practice]=$((count[practice] + 1))
            now_ms
            [ "$now" -ge "$round_until" ] && round_until=$((now + (3 + $(limit_s)) * 1000))
            ;;
        2) key alt+d ;;
        3) key alt+b ;;
        4) key alt+c ;;
        5) key alt+f Down ;;
        6) key Escape ;;
        *) click "$w" $((RANDOM % wd)) $((RANDOM % ht)) ;;
        esac
        ;;
    成績グラフ)
        case $((RANDOM % 6)) in
        0) key Escape ;;
        1) key alt+s Down ;;
        2) key alt+k Down ;;
        3) key alt+l Down ;;
        *) xdotool mousemove --window "$w" $((RANDOM % wd)) $((RANDOM % ht)) 2>/dev/null
            count[clicks]=$((count[clicks] + 1)) ;;
        esac
        ;;
    *) # the help, which has no key to close it: the End button closes it at the end
        case $((RANDOM % 6)) in
        0) key ctrl+f; type_text "$(random_kana)"; key Return ;;
        1) key alt+Left ;;
        2) key ctrl+plus ;;
        3) key ctrl+minus ;;
        *) click "$w" $((RANDOM % wd)) $((RANDOM % ht)) ;;
        esac
        ;;
    esac
    focus_safe=0
}

# --- The run ---------------------------------------------------------------------
# First the list of two words, imported by its menu, so that answers are often
# right from the start; then anything.
front
if panel_menu; then
    key i
    for _ in $(seq 20); do
        scan
        [ ${#modals[@]} -gt 0 ] && break
        sleep 0.1
    done
    if [ ${#modals[@]} -gt 0 ]; then
        xdotool windowfocus "${modals[0]}" 2>/dev/null
        key ctrl+a
        type_text "$home/ああ.txt"
        key Return
    fi
fi
# Then every other window once, and put away at once: what a window costs the
# first time it opens (its fonts, the help's archive, the file dialog's model)
# is in the memory's base, and only what comes after counts as growth.
put_away() {
    local w
    for _ in $(seq 20); do
        sleep 0.3
        scan
        local open=()
        open=("${popups[@]}" "${modals[@]}")
        for w in "${windows[@]}"; do # the help has no key to close it
            [ "${name[$w]}" = 成績グラフ ] || [ "${name[$w]}" = 苦手な単語 ] && open+=("$w")
        done
        [ ${#open[@]} -eq 0 ] && return
        xdotool windowfocus "${open[-1]}" 2>/dev/null
        key Escape
    done
}
put_away
front
click "$main" "${help_xy[@]}"
sleep 1
for letter in g w e; do # the chart, the weak words, the export's file dialog
    front
    click "$main" 100 326 3
    wait_popup && key "$letter"
    put_away
done
front
panel_menu && key e # the editor of the list
put_away
rss_samples=()
rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$game/status" 2>/dev/null; }
next_sample=10000
base_kb=""
now_ms
end_ms=$((duration * 1000))
while [ "$now" -lt "$end_ms" ]; do
    housekeeping
    now_ms
    in_round=0
    [ "$now" -lt "$round_until" ] && in_round=1
    r=$((RANDOM % 100))
    if [ "$in_round" = 1 ] && [ "$r" -lt 30 ]; then
        answer
    elif [ "$in_round" = 0 ] && [ "$r" -lt 12 ]; then
        start_round
    elif [ "$r" -lt 40 ]; then
        random_click
    elif [ "$r" -lt 58 ]; then
        random_keys
    elif [ "$r" -lt 64 ]; then
        front
        type_text "$(random_kana)"
    elif [ "$r" -lt 78 ]; then
        menu
    elif [ "$r" -lt 84 ]; then
        front
        pick "${save_xy[*]}" "${save_xy[*]}" "${clear_xy[*]}" "${help_xy[*]}" \
            "${hint_xy[*]}" "${autosave_xy[*]}" "${panel_surface_xy[*]}"
        click "$main" $picked
        focus_safe=0
    elif [ "$r" -lt 86 ]; then
        answer
    else
        scan
        if [ ${#windows[@]} -gt 0 ]; then
            w=${windows[$((RANDOM % ${#windows[@]}))]}
            [ -z "${seen[$w]:-}" ] && count[windows]=$((count[windows] + 1)) && seen[$w]=1
            other_window "$w"
        else
            random_click
        fi
    fi
    sleep 0.0$((RANDOM % 10))
    now_ms
    if [ "$now" -ge "$next_sample" ]; then
        kill -0 "$game" 2>/dev/null || fail "the program died"
        rss=$(rss_kb)
        rss_samples+=("$((next_sample / 1000)):$rss")
        [ -z "$base_kb" ] && [ "$next_sample" -ge $((base_at * 1000)) ] && base_kb=$rss
        echo "monkey: $((next_sample / 1000)) s rss ${rss} kB events $(events)" \
            "(clicks ${count[clicks]} keys ${count[keys]} kana ${count[kana]} menus ${count[menus]}" \
            "rounds ${count[rounds]} answers ${count[answers]} dialogs ${count[dialogs]})"
        next_sample=$((next_sample + 10000))
    fi
done

# --- The end: put everything away and press End ------------------------------------
for _ in $(seq 10); do
    housekeeping
    scan
    [ ${#windows[@]} -eq 0 ] && break
    for w in "${windows[@]}"; do
        [ "${name[$w]}" = 苦手な単語 ] || [ "${name[$w]}" = 成績グラフ ] || continue
        xdotool windowfocus "$w" 2>/dev/null
        key Escape
    done
    sleep 0.3
    scan
    others=0
    for w in "${windows[@]}"; do
        [ "${name[$w]}" = 苦手な単語 ] || [ "${name[$w]}" = 成績グラフ ] && others=1
    done
    [ "$others" = 0 ] && break
done
housekeeping
kill -0 "$game" 2>/dev/null || fail "the program died"
final_kb=$(rss_kb)
xdotool windowraise "$main" 2>/dev/null
sleep 0.3
xdotool mousemove --window "$main" 593 40 click 1 2>/dev/null # End
ended=0
for _ in $(seq $((wait_s * 10))); do
    kill -0 "$game" 2>/dev/null || { ended=1; break; }
    sleep 0.1
done
if [ "$ended" = 0 ]; then
    scan
    fail "still running after End"
fi
wait "$game"
status=$?
[ "$status" = 0 ] || fail "the program ended with status $status"
game=""

echo "monkey: ran $duration s; events $(events): clicks ${count[clicks]}, keys ${count[keys]}," \
    "kana strings ${count[kana]}, menu choices ${count[menus]}, rounds started ${count[rounds]}," \
    "answers typed ${count[answers]}, practice asked ${count[practice]}," \
    "dialogs answered ${count[dialogs]}, other windows used ${count[windows]}"
for t in "${!titles[@]}"; do echo "monkey:   dialog \"$t\" ${titles[$t]} times"; done

problems=()

# --- Memory ------------------------------------------------------------------------
max_kb=0
for s in "${rss_samples[@]}"; do
    t=${s%%:*} kb=${s#*:}
    [ "$t" -ge "$base_at" ] && [ "$kb" -gt "$max_kb" ] && max_kb=$kb
done
[ -n "$base_kb" ] || base_kb=$final_kb
[ "$final_kb" -gt "$max_kb" ] && max_kb=$final_kb
echo "monkey: rss base ${base_kb} kB at ${base_at} s, max ${max_kb} kB, at the end ${final_kb} kB"
# Memory given back is no fault; only growth is.
[ $((max_kb - base_kb)) -le "$allowance_kb" ] ||
    problems+=("memory grew by $(((max_kb - base_kb) / 1024)) MiB after ${base_at} s")

# --- The files -----------------------------------------------------------------------
no_nul() { [ "$(tr -d '\000' <"$1" | wc -c)" = "$(wc -c <"$1")" ]; }
text_file() { # readable text: no NUL, and UTF-8 or Shift JIS throughout
    no_nul "$1" && { iconv -f UTF-8 -t UTF-8 "$1" >/dev/null 2>&1 ||
        iconv -f CP932 -t UTF-8 "$1" >/dev/null 2>&1; }
}

history=$folder/履歴.txt
if [ -f "$history" ] && [ -s "$history" ]; then
    lines=$(wc -l <"$history")
    if [ "$(tail -c 2 "$history" | od -An -c | tr -d ' ')" != '\r\n' ]; then
        problems+=("履歴.txt does not end with CR LF")
    elif ! decoded=$(iconv -f CP932 -t UTF-8 "$history" 2>/dev/null); then
        problems+=("履歴.txt is not Shift JIS")
    else
        # Nine items: the date, the time, questions, right, wrong, characters,
        # the rate, the speed and the time limit, each figure agreeing with the counts.
        bad=$(awk -v q='"' '
            function round(a, b) { return int((2 * a + b) / (2 * b)) }
            {
                if (!sub(/\r$/, "")) { print NR ": no CR"; next }
                if ($0 !~ /^"[0-9][0-9][0-9][0-9]\/[0-9][0-9]\/[0-9][0-9]","[0-9][0-9]:[0-9][0-9]:[0-9][0-9]",[0-9]+,[0-9]+,[0-9]+,[0-9]+,"[0-9]+\.[0-9]%","[0-9]+\.[0-9][0-9]\/秒","[0-9]+秒"$/) {
                    print NR ": " $0; next
                }
                n = split($0, f, ",")
                gsub(q, "", f[7]); gsub(q, "", f[8]); gsub(q, "", f[9])
                sub(/%/, "", f[7]); sub(/\/秒/, "", f[8]); sub(/秒/, "", f[9])
                rate = f[4] + f[5] ? round(f[4] * 1000, f[4] + f[5]) : 0
                speed = f[9] ? round(f[6] * 100, f[9]) : 0
                if (n != 9 || f[3] != f[4] + f[5] || int(f[7] * 10 + 0.5) != rate ||
                    int(f[8] * 100 + 0.5) != speed)
                    print NR ": figures disagree: " $0
            }' <<<"$decoded")
        [ -z "$bad" ] || problems+=("履歴.txt has malformed lines: $(head -n 3 <<<"$bad")")
        echo "monkey: 履歴.txt: $lines lines, well-formed${bad:+ but for the above}"
    fi
else
    echo "monkey: 履歴.txt: empty (cleared)"
fi

settings=$folder/設定.txt
line=$(head -n 1 "$settings")
if [ "$(wc -l <"$settings")" = 1 ] && [[ $line =~ ^([0-9]+),([01])$'\r'$ ]] &&
    [ "$(wc -c <"$settings")" = $((${#line} + 1)) ] &&
    [ "${BASH_REMATCH[1]}" -ge 1 ] && [ "${BASH_REMATCH[1]}" -le 180 ]; then
    echo "monkey: 設定.txt: ${line%$'\r'}"
else
    problems+=("設定.txt is not one line N,M: $(od -An -c "$settings" | head -n 2)")
fi

db=$folder/単語記録.db
if [ -f "$db" ]; then
    check=$(sqlite3 "$db" 'PRAGMA integrity_check' 2>&1)
    solved=$(sqlite3 "$db" 'SELECT count(*), total(asked), total(solved) FROM words' 2>&1)
    if [ "$check" = ok ]; then
        echo "monkey: 単語記録.db: integrity ok; words, asked, solved: $solved"
    else
        problems+=("単語記録.db: $check")
    fi
fi

options=$folder/オプション.txt
if [ -f "$options" ]; then
    if grep -qv '^[^=][^=]*=' "$options" || ! no_nul "$options"; then
        problems+=("オプション.txt has lines that are no key=value: $(grep -v '^[^=]*=' "$options" | head -n 3)")
    fi
fi

lists=0
for f in "$folder/単語リスト"/*; do
    [ -e "$f" ] || continue
    lists=$((lists + 1))
    text_file "$f" || problems+=("the word list $(basename "$f") is not readable text")
done
echo "monkey: 単語リスト: $lists files, all readable text unless told below"

csvs=0
while IFS= read -r -d '' f; do
    csvs=$((csvs + 1))
    if ! text_file "$f" || [ "$(head -c 3 "$f" | od -An -tx1 | tr -d ' ')" != efbbbf ]; then
        problems+=("the export $(basename "$f") is not UTF-8 text")
        continue
    fi
    # A line a record, each with as many fields as the header, each ending in CR LF.
    bad=$(awk -F, 'NR == 1 {n = NF} !sub(/\r$/, "") || NF != n {print NR}' "$f" | head -n 3)
    [ -z "$bad" ] || problems+=("the export $(basename "$f") has malformed lines $bad")
done < <(find "$folder" -name '*.csv' -print0)
echo "monkey: $csvs exported CSV files"

for t in "${troubles[@]}"; do problems+=("it told of a file it could not write: $t"); done
[ -s "$folder/xdg-open.log" ] && problems+=("it asked to open: $(cat "$folder/xdg-open.log")")

# --- stderr ----------------------------------------------------------------------------
echo "--- the program's stderr ($(wc -l <"$stderr_file") lines):"
cat "$stderr_file"
echo "---"
[ -s "$stderr_file" ] && problems+=("it wrote to stderr")

if [ ${#problems[@]} -gt 0 ]; then
    for p in "${problems[@]}"; do echo "FAIL: $p"; done
    exit 1
fi
echo "ok: $duration s of random play, the files well-formed, ended by End"
exit 0
}
