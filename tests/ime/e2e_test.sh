#!/bin/bash
# The real program with a real input method: fcitx5 + mozc or IBus + mozc, on a
# virtual X server, a private session bus and a private home. Keys are typed as
# real X key events and the answer box is read back through the clipboard. Twice
# the framework answers the game's switch 3 s late, as on a busy machine when
# Mozc starts for the first time: IBus's engine starts that late, fcitx5 stops.
# A game set to its own romaji input leaves the framework as the player had it.
#   e2e_test.sh PROGRAM fcitx5|ibus
# Exits 77 (skipped) when the framework cannot start here. SHOTS=FOLDER keeps
# screenshots and the logs there; the delay from the focus to the switch is printed.
# A failure prints what the test saw: the framework's state over time, the steps,
# the daemon's and the games' output, the bus and the windows. MOJIRO_WINDOW_WAIT
# (seconds) is how long a game may take to show its window or to end; the whole
# run gives up, with that report, after MOJIRO_E2E_BUDGET seconds.
set -uo pipefail
program=$(realpath "$1")
framework=$2
source_dir=$(realpath "$(dirname "$0")/../..")
wait_s=${MOJIRO_WINDOW_WAIT:-60}
# A switch, a copy or a closing box takes well under a second, a slow engine's
# start 3 s; this is for a loaded machine.
step_s=20
budget=${MOJIRO_E2E_BUDGET:-80}
deadline=$(($(date +%s) + budget))

now() { date +%T.%N | cut -c1-12; }
log() { echo "$(now) $*"; }
skip() { echo "SKIP: $*"; exit 77; }
fail() {
    trap - USR1
    [ -n "${watch:-}" ] && kill "$watch" 2>/dev/null
    echo "FAIL: $*"
    note "FAIL: $*"
    shots
    report
    exit 1
}
note() { [ -n "${scratch:-}" ] && echo "$(now) $*" >>"$scratch/steps.log"; true; }
shots() { [ -n "${SHOTS:-}" ] && import -window root "$SHOTS/$framework-$(date +%s%N).png" 2>/dev/null; true; }
# Waits until the condition holds, at most this many seconds.
until_s() {
    local end=$(($(date +%s%N) + $1 * 1000000000))
    shift
    until "$@"; do
        [ "$(date +%s%N)" -ge "$end" ] && return 1
        sleep 0.1
    done
}
trap 'fail "not done within $budget s"' USR1
for signal in TERM INT HUP; do trap "trap - $signal; fail 'ended by SIG$signal'" "$signal"; done

for tool in Xvfb xdotool xsel dbus-daemon dbus-send dbus-monitor timeout flock; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
plugins=$(ls -d /usr/lib/*/qt6/plugins/platforminputcontexts 2>/dev/null | head -n 1)
case $framework in
fcitx5)
    command -v fcitx5 >/dev/null || skip "fcitx5 is not installed"
    [ -e /usr/share/fcitx5/addon/mozc.conf ] || skip "fcitx5-mozc is not installed"
    [ -e "$plugins/libfcitx5platforminputcontextplugin.so" ] || skip "fcitx5-frontend-qt6 is not installed"
    module=fcitx ;;
ibus)
    command -v ibus-daemon >/dev/null || skip "ibus is not installed"
    [ -e /usr/share/ibus/component/mozc.xml ] || skip "ibus-mozc is not installed"
    [ -e "$plugins/libibusplatforminputcontextplugin.so" ] || skip "Qt's IBus plug-in is missing"
    module=ibus ;;
*) echo "unknown framework $framework"; exit 2 ;;
esac

windows=()
games=()
names=()
as=()
if [ "$(id -u)" -eq 0 ]; then
    # mozc_server will not run as root.
    command -v runuser >/dev/null || skip "runuser is not installed"
    as=(runuser -u nobody --)
fi
ours() {
    for p in /proc/[0-9]*; do
        tr '\0' '\n' 2>/dev/null <"$p/environ" | grep -qx "HOME=$scratch/home" && echo "${p#/proc/}"
    done
}
cleanup() {
    [ -n "${watch:-}" ] && kill "$watch" 2>/dev/null
    [ -n "${scratch:-}" ] || return
    if [ -n "${SHOTS:-}" ]; then
        for f in monitor framework state steps xvfb a b off on ro; do
            cp "$scratch/$f.log" "$SHOTS/$framework-$f.log" 2>/dev/null
        done
    fi
    # Everything started here, the daemons' own children included, carries our home;
    # a framework stopped to be slow is let go on, to end.
    ours | xargs -r kill 2>/dev/null
    ours | xargs -r kill -CONT 2>/dev/null
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    # The next test may be given the same display: this server is gone first.
    for _ in $(seq 30); do [ -z "$(ours)" ] && ! kill -0 "${xvfb:-none}" 2>/dev/null && break; sleep 0.1; done
    ours | xargs -r kill -9 2>/dev/null
    [ -n "${xvfb:-}" ] && kill -9 "$xvfb" 2>/dev/null
    cd / && rm -rf "$scratch"
}
trap cleanup EXIT
scratch=$(mktemp -d)
chmod 755 "$scratch"
if [ ${#as[@]} -gt 0 ] && ! "${as[@]}" test -x "$scratch"; then
    rm -rf "$scratch" # nobody cannot enter this TMPDIR
    scratch=$(mktemp -d -p /tmp)
    chmod 755 "$scratch"
fi

# What the test saw, for a failure.
report() {
    echo "--- steps"
    cat "$scratch/steps.log" 2>/dev/null
    if [ -s "$scratch/state.log" ]; then
        echo "--- the framework's state, sampled every 0.2 s: from, to, state (samples)"
        awk '{ if (NR > 1 && $2 != s) { print from, to, s, "(" n ")"; n = 0 }
               if (n == 0) from = $1; to = $1; s = $2; n++ }
             END { print from, to, s, "(" n ")" }' "$scratch/state.log"
    fi
    if [ -n "${xvfb:-}" ]; then
        echo "--- the X server, ${DISPLAY:-}"
        kill -0 "$xvfb" 2>/dev/null && echo "Xvfb ($xvfb) is running" || echo "Xvfb ($xvfb) has ended"
        echo "answers: $(timeout 5 xdpyinfo >/dev/null 2>&1 && echo yes || echo no)," \
            "to nobody: $(timeout 5 "${as[@]}" xdpyinfo -display "$DISPLAY" >/dev/null 2>&1 && echo yes || echo no)"
        grep -F "/tmp/.X11-unix/X${DISPLAY#:}" /proc/net/unix | awk '$4 == "00010000" {print "listening:", $NF}'
        tail -n 20 "$scratch/xvfb.log"
        echo "--- windows (xdotool)"
        shown=$(timeout 5 xdotool search --onlyvisible --name . 2>/dev/null)
        for w in $(timeout 5 xdotool search --name . 2>/dev/null); do
            echo "$w '$(timeout 5 xdotool getwindowname "$w" 2>/dev/null)'" \
                "$(grep -qx "$w" <<<"$shown" && echo shown || echo hidden)" \
                "$(timeout 5 xdotool getwindowgeometry "$w" 2>/dev/null | sed -n 's/^ \+//p' | tr '\n' ' ')"
        done
        echo "focused: $(timeout 5 xdotool getwindowfocus 2>/dev/null)" \
            "'$(timeout 5 xdotool getwindowfocus getwindowname 2>/dev/null)'"
        echo "found as ${names[*]:-none}: ${windows[*]:-none}"
    fi
    for i in "${!games[@]}"; do
        d=${names[$i]}
        if kill -0 "${games[$i]}" 2>/dev/null; then
            echo "game $d (${games[$i]}) is running"
        else
            wait "${games[$i]}"
            echo "game $d (${games[$i]}) has ended, status $?"
        fi
    done
    for f in framework a b off on ro; do
        [ -e "$scratch/$f.log" ] || continue
        echo "--- $f.log (the last 60 lines)"
        if [ -s "$scratch/$f.log" ]; then tail -n 60 "$scratch/$f.log"; else echo "(empty)"; fi
    done
    if [ -s "$scratch/monitor.log" ]; then
        # A line a message, with its plain arguments; without the answers, the
        # connections of dbus-send coming and going, nor the test's own questions
        # (the first message of such a connection after its Hello).
        echo "--- the bus (the last 40 messages)"
        awk 'function flush() { if (line != "") print line; line = "" }
             /^(method call|signal|error|method return) / {
                 flush(); n = 0
                 if ($0 ~ /^method return|member=(Hello|NameAcquired|NameLost|NameOwnerChanged)$/) next
                 if ($0 ~ / serial=[12] .*member=(State|GetGlobalEngine|Get)$/) next
                 t = $0; sub(/.* time=/, "", t); sub(/ .*/, "", t)
                 line = $0; sub(/ time=[^ ]*/, "", line); sub(/ -> destination=\(null destination\)/, "", line)
                 sub(/ path=/, " ", line); sub(/; interface=[^;]*; member=/, " ", line)
                 line = sprintf("%s.%s %s", strftime("%H:%M:%S", int(t)), substr(t, index(t, ".") + 1, 3), line)
                 n = 5; next }
             line != "" && n && /^   (u?int(16|32|64)|string|boolean|object path|double) / { sub(/^ +/, " "); line = line $0; n-- }
             END { flush() }
        ' "$scratch/monitor.log" | tail -n 40
    fi
}

# Whatever runs as nobody finds all it reads here, wherever the source and the
# build are and whoever may enter them; it does not even start in them.
cd "$scratch" || fail "cannot enter $scratch"
mkdir -p home/.config/fcitx5 run a b off on ro
chmod 700 run
cp "$program" "$scratch/mojiro" || fail "cannot copy $program"

# A display of our own. Xvfb's own choice (-displayfd) tries the numbers in
# use on its way and unlinks their sockets, which cuts another test's programs
# off their server; so the number is one no server holds a lock on, chosen by
# one test at a time until its server answers. -ac: the ordinary user's
# programs may connect. -noreset: a server that no client holds (IBus keeps
# none) resets when xdotool's or xdpyinfo's connection closes, and drops a game
# connecting at that moment.
exec 8>>"/tmp/.mojiro-e2e-display-$(id -u).lock"
flock -w 60 8 || note "went on without the display lock"
answers() { timeout 5 "${as[@]}" xdpyinfo >/dev/null 2>&1 || ! kill -0 "$xvfb" 2>/dev/null; }
n=100
for _ in 1 2 3; do # a number taken by something else than a server with its lock
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 2000x1200x24 -nolisten tcp -noreset -ac >"$scratch/xvfb.log" 2>&1 8>&- &
    xvfb=$!
    export DISPLAY=":$n"
    until_s "$wait_s" answers
    kill -0 "$xvfb" 2>/dev/null && break
    n=$((n + 1))
done
exec 8>&-
kill -0 "$xvfb" 2>/dev/null && timeout 5 "${as[@]}" xdpyinfo >/dev/null 2>&1 ||
    { cat "$scratch/xvfb.log"; skip "Xvfb did not start on $DISPLAY"; }

printf '[Groups/0]\nName=Default\nDefault Layout=us\nDefaultIM=mozc\n\n[Groups/0/Items/0]\nName=keyboard-us\nLayout=\n\n[Groups/0/Items/1]\nName=mozc\nLayout=\n\n[GroupOrder]\n0=Default\n' \
    >"$scratch/home/.config/fcitx5/profile"
for d in a b; do
    cp "$source_dir/data/辞書.txt" "$scratch/$d/" || fail "cannot copy the word list"
    printf '60,0\r\n' >"$scratch/$d/設定.txt"
done
# One word to answer, without and with answering on the commit. Their rounds
# run beside game a's, for the longest time there is.
for d in off on; do
    printf '\xe3\x82\x8a\xe3\x82\x93\xe3\x81\x94\r\n' >"$scratch/$d/辞書.txt" # りんご
    printf '180,0\r\n' >"$scratch/$d/設定.txt"
done
printf 'answer/on-commit=0\n' >"$scratch/off/オプション.txt"
printf 'answer/on-commit=1\n' >"$scratch/on/オプション.txt"
# The game's own romaji input, chosen in the menu; a word list in Shift-JIS.
printf '\x82\xcb\x82\xb1\r\n' >"$scratch/ro/辞書.txt" # ねこ
printf '180,0\r\n' >"$scratch/ro/設定.txt"
printf 'input/mode=romaji\n' >"$scratch/ro/オプション.txt"
[ ${#as[@]} -gt 0 ] && chown -R nobody "$scratch/home" "$scratch/run" "$scratch/a" "$scratch/b" \
    "$scratch/off" "$scratch/on" "$scratch/ro"

environment=(env -i "HOME=$scratch/home" "PATH=/usr/bin:/bin" "DISPLAY=$DISPLAY" "LC_ALL=C.UTF-8"
    "XDG_RUNTIME_DIR=$scratch/run" "GSETTINGS_BACKEND=memory")
for v in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do # a sanitizer build keeps its settings
    [ -n "${!v:-}" ] || continue
    # The suppressions are read as nobody, too: from a copy of the file.
    IFS=: read -ra options <<<"${!v}"
    for i in "${!options[@]}"; do
        case ${options[$i]} in
        suppressions=*)
            cp "${options[$i]#suppressions=}" "$scratch/$v-$i.supp" ||
                fail "cannot copy the suppressions named in $v"
            options[i]="suppressions=$scratch/$v-$i.supp" ;;
        esac
    done
    environment+=("$v=$(IFS=:; echo "${options[*]}")")
done
bus=$("${as[@]}" "${environment[@]}" dbus-daemon --session --fork --print-address=1 | head -n 1)
[ -n "$bus" ] || skip "no private session bus"
environment+=("DBUS_SESSION_BUS_ADDRESS=$bus")
run() { "${as[@]}" "${environment[@]}" "$@"; }
# Each process of ours whose command line starts so.
pids_of() {
    for p in $(ours); do
        case $(tr '\0' ' ' <"/proc/$p/cmdline" 2>/dev/null) in "$1"*) echo "$p" ;; esac
    done
}
# Once a process has ended and its parent has seen it end.
gone() { ! kill -0 "$1" 2>/dev/null; }

# slow_start makes the framework slow to answer the game's next switch, as the
# first start of Mozc on a busy machine makes it: 3 s.
case $framework in
fcitx5)
    run fcitx5 --disable=wayland,waylandim,notificationitem,kimpanel,notifications,clipboard,emoji,spell,quickphrase,unicode,imselector,fcitx4frontend,ibusfrontend,xim \
        >"$scratch/framework.log" 2>&1 &
    ask() { run dbus-send --session --print-reply=literal --reply-timeout=3000 --dest=org.fcitx.Fcitx5 /controller "org.fcitx.Fcitx.Controller1.$1" 2>/dev/null | awk '{print $NF}'; }
    # Asking before fcitx5 owns its name would start a second one by D-Bus activation.
    ready() { grep -q "Loaded addon mozc" "$scratch/framework.log" && [ -n "$(ask State)" ]; }
    # What the player sees of the framework: fcitx5's state of the focused context.
    state() { ask State; }
    monitor=(dbus-monitor --session)
    # The game's last step of a switch: the Hiragana key (0xff25) to fcitx5.
    switch_done='NR > from && /member=ProcessKeyEvent$/ { getline; if (/uint32 65317$/) found = 1 }
        END { exit !found }'
    # Any step of the game's switch since the mark, or of its undoing.
    any_switch='NR > from && /^method call .*member=(Activate|Deactivate)$/ { found = 1 }
        NR > from && /member=ProcessKeyEvent$/ { getline; if (/uint32 65317$/) found = 1 }
        END { exit !found }'
    # Not on, whichever context fcitx5 speaks of: it may have none once a game
    # that had the last one has ended.
    untouched() { [ "$1" != 2 ]; }
    # fcitx5 waits for Mozc in its one thread: stopped, it is as busy.
    slow_start() {
        local pid
        pid=$(pids_of fcitx5)
        [ -n "$pid" ] || fail "fcitx5 is not running"
        note "fcitx5 ($pid) stops for 3 s"
        kill -STOP $pid
        (sleep 3; kill -CONT $pid) >/dev/null 2>&1 &
    }
    ;;
ibus)
    # IBus starts an engine with the command its component names: ours waits
    # engine-delay seconds first.
    mkdir "$scratch/components"
    for f in /usr/share/ibus/component/*.xml; do
        [ "$(basename "$f")" = mozc.xml ] || cp "$f" "$scratch/components/"
    done
    engine=$(sed -n 's:.*<exec>\(.*\)</exec>.*:\1:p' /usr/share/ibus/component/mozc.xml)
    [ -n "$engine" ] || skip "no engine command in mozc.xml"
    printf '#!/bin/sh\nsleep "$(cat %s/engine-delay)"\nexec %s\n' "$scratch" "$engine" >"$scratch/slow-mozc"
    chmod 755 "$scratch/slow-mozc"
    echo 0 >"$scratch/engine-delay"
    sed "s:<exec>.*</exec>:<exec>$scratch/slow-mozc</exec>:" /usr/share/ibus/component/mozc.xml \
        >"$scratch/components/mozc.xml"
    run "IBUS_COMPONENT_PATH=$scratch/components" ibus-daemon --panel=disable --emoji-extension=disable \
        --cache=none >"$scratch/framework.log" 2>&1 &
    ibus_bus() { sed -n 's/^IBUS_ADDRESS=//p' "$scratch"/home/.config/ibus/bus/* 2>/dev/null | head -n 1; }
    ask() {
        run dbus-send --address="$(ibus_bus)" --print-reply --reply-timeout=3000 --dest=org.freedesktop.IBus \
            /org/freedesktop/IBus "org.freedesktop.IBus.$1" "${@:2}" 2>/dev/null
    }
    state() { ask GetGlobalEngine | awk '/string/ {n++} n==2 {print $2; exit}' | tr -d '"'; }
    ready() {
        [ -n "$(ibus_bus)" ] && run dbus-send --address="$(ibus_bus)" --print-reply --reply-timeout=3000 \
            --dest=org.freedesktop.IBus /org/freedesktop/IBus org.freedesktop.DBus.Properties.Get \
            string:org.freedesktop.IBus string:Engines 2>/dev/null | grep '"mozc-jp"' >/dev/null # all of it: no broken pipe
    }
    # The game's last step of a switch: mozc's hiragana mode.
    switch_done='NR > from && /member=PropertyActivate$/ { getline; if (/"InputMode.Hiragana"/) found = 1 }
        END { exit !found }'
    any_switch='NR > from && /^method call .*member=(SetGlobalEngine|PropertyActivate)$/ { found = 1 }
        END { exit !found }'
    # The player's own engine, which is everybody's.
    untouched() { [ "$1" = "$before" ]; }
    # The engine ends, and IBus starts the next one, slowly, when it is next asked for.
    slow_start() {
        local pids
        pids=$(pids_of "$engine")
        echo 3 >"$scratch/engine-delay"
        note "the engine ($pids) ends; the next takes 3 s to start"
        [ -n "$pids" ] || fail "the engine is not running"
        kill $pids
        for p in $pids; do until_s "$step_s" gone "$p" || fail "the engine ($p) did not end"; done
    }
    # Since the mark: the game asks for mozc-jp, and IBus answers it (once the
    # engine has started, or no sooner than a later change has cancelled it).
    asked_for_ours='NR > from && /^method call .*member=SetGlobalEngine$/ { getline; if (/"mozc-jp"/) found = 1 }
        END { exit !found }'
    ours_answered='NR > from && /^method call .*member=SetGlobalEngine$/ {
            call = $0; getline
            if (/"mozc-jp"/) {
                who = call; sub(/.* sender=/, "", who); sub(/ .*/, "", who)
                n = call; sub(/.* serial=/, "", n); sub(/ .*/, "", n)
            }
        }
        who != "" && /^(method return|error) / && index($0, " destination=" who " ") &&
            $0 ~ (" reply_serial=" n "$") { found = 1 }
        END { exit !found }'
    ;;
esac
until_s "$wait_s" ready || { cat "$scratch/framework.log"; skip "$framework did not start"; }
if [ "$framework" = ibus ]; then
    # The player's own engine, English, as a desktop session would have chosen it.
    ask SetGlobalEngine string:xkb:us::eng >/dev/null
    monitor=(dbus-monitor --address "$(ibus_bus)")
fi
run "${monitor[@]}" >"$scratch/monitor.log" 2>&1 &
monitoring() { [ -s "$scratch/monitor.log" ]; } # its own name first
until_s "$step_s" monitoring || fail "dbus-monitor did not start"
# The framework's state over time, for a failure; and the deadline, kept while
# the test waits for something that does not come.
(
    while :; do
        echo "$(now) $(state)" >>"$scratch/state.log"
        [ "$(date +%s)" -ge "$deadline" ] && { kill -USR1 $$; exit; }
        sleep 0.2
    done
) >/dev/null 2>&1 &
watch=$!
log "$framework is running"

# Places in the window (pixels).
start=(373 40)
kaitou=(240 260)
combo=(90 130)
end=(593 40)

focus() {
    note "focus $1"
    timeout "$step_s" xdotool windowfocus --sync "${win[$1]}" || fail "window $1 did not get the focus"
}
click() { note "click $*"; xdotool mousemove --window "${win[$1]}" "$2" "$3" click 1; }
key() { note "key $*"; xdotool key "$@"; }
type_ringo() { note "type ringo"; xdotool type --delay 30 ringo; }
word() { type_ringo; key Return; }
# The text of the focused field, as the player can copy it: copied again until
# it is what is expected or the time is up. The cursor goes to its end, where
# the next word goes.
copied() { text=$(xsel -b -o -t 1000 2>/dev/null) && [ -n "$text" ]; }
read_back() {
    local end_s=$(($(date +%s) + step_s))
    while :; do
        printf '' | xsel -b -i
        xdotool key ctrl+a ctrl+c
        text=
        until_s 2 copied
        [ "$text" = "$1" ] || [ "$(date +%s)" -ge "$end_s" ] && break
    done
    note "copied '$text'"
    xdotool key End
}
expect() { # expect WHAT EXPECTED ACTUAL
    note "expect $1: '$2', got '$3'"
    if [ "$2" = "$3" ]; then log "ok: $1: $3"; else fail "$1: expected '$2', got '$3'"; fi
}
expect_text() { read_back "$2"; expect "$1" "$2" "$text"; }
# The bus from here on, for the waits below.
mark() { marked=$(wc -l <"$scratch/monitor.log"); }
seen() { awk -v from="$marked" "$1" "$scratch/monitor.log"; }
# Until the game has switched the framework on since the mark (its last message
# for that is on the bus). Keys typed sooner would show in the answer.
switched() {
    until_s "$step_s" seen "$switch_done" || fail "the game did not switch $framework on within $step_s s"
    note "switched: '$(state)'"
}
# Until the framework is as it was before the round again.
is_before() { [ "$(state)" = "$before" ]; }
back_before() { until_s "$step_s" is_before || fail "$framework not back to '$before' within $step_s s"; }
focused_name() { [ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" = "$1" ]; }
no_window() { [ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ]; }
# What the word record of a game says of its word (りんご unless named):
# solved and wrong answers. Read without a lock, so that the game's own writes
# never wait for the test, and never made, as opening it to write would: the
# game could not write a file of ours.
record() {
    sqlite3 "file:$scratch/$1/単語記録.db?mode=ro&immutable=1" \
        "SELECT solved || ' solved, ' || wrong || ' wrong' FROM words WHERE word = '${2:-りんご}'" 2>/dev/null
}
solved() { [ "$(record "$@")" = "1 solved, 0 wrong" ]; }
ended() { gone "${game[$1]}"; }
end_game() {
    click "$1" "${end[@]}"
    until_s "$wait_s" ended "$1" || fail "game $1 still running after End"
    note "game $1 has ended"
}

# The game played (a), another program's window (b), two games with one word
# to answer (off, on) and one with its own romaji input (ro), each in a place
# of its own on the screen.
declare -A win game
new_window() { # or the game has ended
    # Shown: events sent to a window not yet on the screen would go astray.
    w=$(xdotool search --onlyvisible --name "^モジロタイピング$" 2>/dev/null |
        grep -vxF -f <(printf '%s\n' "${windows[@]:-none}") | head -n 1)
    [ -n "$w" ] || ! kill -0 "${games[-1]}" 2>/dev/null
}
for place in "a 700 600" "b 0 0" "off 0 600" "on 700 0" "ro 1400 0"; do
    read -r d x y <<<"$place"
    (cd "$scratch/$d" && exec "${as[@]}" "${environment[@]}" "QT_IM_MODULE=$module" "$scratch/mojiro") \
        >"$scratch/$d.log" 2>&1 &
    games+=($!)
    names+=("$d")
    game[$d]=$!
    note "game $d started"
    until_s "$wait_s" new_window
    [ -n "$w" ] || fail "window $d not shown"
    note "window $d shown: $w"
    windows+=("$w")
    win[$d]=$w
    timeout "$step_s" xdotool windowmove --sync "$w" "$x" "$y" || fail "window $d not moved"
done

# The rounds of off, on and ro start while a's does: their answer box gets the
# focus in a window without it, and the input method comes on once it has it.
for d in off on ro a; do
    focus $d
    click $d "${start[@]}" # the countdown: the third tick gives the answer box the focus
done
# The state of the focused window's own context: fcitx5 speaks of none (0) until
# the plug-in has made it, a moment after the focus.
has_state() { before=$(state); [ -n "$before" ] && [ "$before" != 0 ]; }
until_s "$step_s" has_state || fail "no state from $framework for the focused window: '$before'"
log "before the round the framework's state is '$before'"
mark
switched
word
shots
expect_text "romaji typed after the countdown" "りんご"

key Katakana
word
expect_text "after the player chose katakana" "りんごリンゴ"

key Tab
back_before
mark
key shift+Tab
switched
key End # Tab selected the whole text
word
expect_text "after the focus left by Tab and came back" "りんごリンゴりんご"

key Return # a wrong answer: the message box takes the focus
until_s "$step_s" focused_name 間違い || fail "no wrong-answer box"
note "the wrong-answer box has the focus"
if [ "$framework" = ibus ]; then
    back_before
    expect "the engine while the box is open" "$before" "$(state)"
fi
mark # whatever gives the answer box the focus again switches
key Return # its OK; the box is emptied
until_s "$step_s" no_window 間違い || fail "the wrong-answer box stays open"
focus a # as a window manager gives the window the focus back
switched
word
expect_text "after the wrong-answer box" "りんご"

click a "${combo[@]}"
back_before
expect "the framework's state at the time-limit box" "$before" "$(state)"
key ctrl+a
type_ringo
expect_text "typed into the time-limit box" "ringo"

mark
click a "${kaitou[@]}"
switched # before the focus goes elsewhere
focus b
click b "${combo[@]}"
back_before # IBus's engine is everybody's: the game puts the player's back
key ctrl+a
type_ringo
shots
expect_text "typed into another program's window" "ringo"

# Again, with the framework slow to answer: the focus leaves while it has not.
answering() { [ -n "$(state)" ]; }
slow_start
mark
focus a
if [ "$framework" = ibus ]; then
    until_s "$step_s" seen "$asked_for_ours" || fail "the game did not ask IBus for mozc-jp"
fi
focus b
click b "${combo[@]}"
if [ "$framework" = ibus ]; then
    until_s "$step_s" seen "$ours_answered" || fail "IBus did not answer the game's mozc-jp within $step_s s"
    back_before
    expect "the engine in another program's window, once IBus answered" "$before" "$(state)"
else
    until_s "$step_s" answering || fail "fcitx5 did not answer again within $step_s s"
fi
key ctrl+a
type_ringo
expect_text "typed into another program's window, the game's switch slow" "ringo"
# fcitx5 speaks of the context that had a key last.
expect "the framework's state in another program's window" "$before" "$(state)"

mark
focus a # the answer box has the focus again
switched
word
expect_text "after the window got the focus back" "りんごりんご"

# The delay from the focus message of Qt's plug-in to the switch being on: to
# fcitx5's Activate and the Hiragana key after it, or to IBus's hiragana mode.
awk -v framework="$framework" '
    { split($3, t, "="); time = t[2] }
    # The plug-in repeats FocusIn before every key: only the first after a FocusOut counts.
    / member=FocusOut/ { out = 1 }
    / member=FocusIn/ && (out || !seen) { focus = time; out = 0; seen = 1 }
    framework == "fcitx5" && / member=Activate/ && focus { on = time }
    framework == "fcitx5" && / member=ProcessKeyEvent/ && on {
        printf "delay from focus: Activate %.1f ms, Hiragana key %.1f ms\n", (on - focus) * 1000, (time - focus) * 1000
        focus = on = 0
    }
    framework == "ibus" && / member=PropertyActivate/ && focus {
        printf "delay from focus: hiragana mode %.1f ms\n", (time - focus) * 1000
        focus = 0
    }
' "$scratch/monitor.log"

end_game a
# IBus keeps one engine for everybody: ours must not outlive the game.
if [ "$framework" = ibus ]; then
    back_before
    expect "the engine after End" "$before" "$(state)"
fi

# The Return that commits ringo answers りんご only where the player chose so;
# elsewhere the answer waits for a second Return. The first switch is slow.
slow_start
for d in off on; do
    mark
    focus $d # its answer box has had the focus since its countdown
    switched
    word
    if [ "$d" = off ]; then
        expect_text "one Return, answering on the commit off" "りんご"
        key Return
    fi
    until_s "$step_s" solved $d ||
        fail "game $d did not count its answer right: '$(record $d)'$(no_window 間違い || echo ', a wrong-answer box is open')"
    end_game $d
    expect "game $d's record of りんご, answering on the commit $d" "1 solved, 0 wrong" "$(record $d)"
    if [ "$framework" = ibus ]; then
        back_before
        expect "the engine after game $d's End" "$before" "$(state)"
    fi
done

# The game's own romaji input, chosen by the player, makes ねこ of the raw keys
# and leaves the framework as the player had it in another program's box. Its
# round started just before a's, whose question the bus showed long ago, and
# counts down as long.
focus b
click b "${combo[@]}"
back_before
mark
sampled=$(wc -l <"$scratch/state.log")
focus ro
expect "the framework's state in the window with the game's own input" "$before" "$(state)"
note "type neko"
xdotool type --delay 30 neko
expect_text "romaji typed into the game's own input" "ねこ"
expect "the framework's state while the game's own input types" "$before" "$(state)"
key Return
until_s "$step_s" solved ro ねこ || fail "game ro did not count its answer right: '$(record ro ねこ)'"
end_game ro
expect "game ro's record of ねこ, typed with its own input" "1 solved, 0 wrong" "$(record ro ねこ)"
after=$(state)
untouched "$after" || fail "the framework's state after game ro's End: '$after', before '$before'"
while read -r at sample; do # an empty sample is a question unanswered, not a change
    [ -z "$sample" ] || untouched "$sample" ||
        fail "the framework's state at $at, game ro's own input on: '$sample', before '$before'"
done < <(tail -n +"$((sampled + 1))" "$scratch/state.log")
! seen "$any_switch" || fail "game ro switched $framework with its own input on"
! seen 'NR > from && /^method call .*member=ProcessKeyEvent$/ { found = 1 } END { exit !found }' ||
    fail "game ro gave its keys to $framework with its own input on"
log "ok: $framework left as it was by the game's own input: '$after'"

if grep -qE "Sanitizer|runtime error" "$scratch"/{a,off,on,ro}.log; then
    cat "$scratch"/{a,off,on,ro}.log
    fail "the sanitizer found faults"
fi
log "ok: $framework"
