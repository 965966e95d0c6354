#!/bin/bash
# The real program with a real input method: fcitx5 + mozc or IBus + mozc, on a
# virtual X server, a private session bus and a private home. Keys are typed as
# real X key events and the answer box is read back through the clipboard.
#   e2e_test.sh PROGRAM fcitx5|ibus
# Exits 77 (skipped) when the framework cannot start here. SHOTS=FOLDER keeps
# screenshots and the bus log there; the delay from the focus to the switch is printed.
set -uo pipefail
program=$(realpath "$1")
framework=$2
skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*"; shots; exit 1; }
log() { echo "$(date +%T.%N | cut -c1-12) $*"; }

for tool in Xvfb xdotool xsel dbus-daemon dbus-send dbus-monitor; do
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

scratch=$(mktemp -d)
chmod 755 "$scratch"
mkdir -p "$scratch/home/.config/fcitx5" "$scratch/run" "$scratch/a" "$scratch/b"
chmod 700 "$scratch/run"
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
    [ -n "${SHOTS:-}" ] && cp "$scratch/monitor.log" "$SHOTS/$framework-monitor.log" 2>/dev/null
    # Everything started here, the daemons' own children included, carries our home.
    ours | xargs -r kill 2>/dev/null
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    for _ in $(seq 30); do [ -z "$(ours)" ] && break; sleep 0.1; done
    ours | xargs -r kill -9 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
shots() { [ -n "${SHOTS:-}" ] && import -window root "$SHOTS/$framework-$(date +%s%N).png" 2>/dev/null; true; }

# -ac: the ordinary user's programs may connect; -displayfd: a free display
# number, chosen by the server itself, as other tests may be starting theirs.
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp -ac 3>"$scratch/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || skip "Xvfb did not start"
export DISPLAY=":$(cat "$scratch/display")"
xdpyinfo >/dev/null 2>&1 || skip "Xvfb did not start"

printf '[Groups/0]\nName=Default\nDefault Layout=us\nDefaultIM=mozc\n\n[Groups/0/Items/0]\nName=keyboard-us\nLayout=\n\n[Groups/0/Items/1]\nName=mozc\nLayout=\n\n[GroupOrder]\n0=Default\n' \
    >"$scratch/home/.config/fcitx5/profile"
for d in a b; do
    cp "$(dirname "$0")/../../data/辞書.txt" "$scratch/$d/"
    printf '60,0\r\n' >"$scratch/$d/設定.txt"
done
[ ${#as[@]} -gt 0 ] && chown -R nobody "$scratch/home" "$scratch/run" "$scratch/a" "$scratch/b"

environment=(env -i "HOME=$scratch/home" "PATH=/usr/bin:/bin" "DISPLAY=$DISPLAY" "LC_ALL=C.UTF-8"
    "XDG_RUNTIME_DIR=$scratch/run" "GSETTINGS_BACKEND=memory")
for v in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do # a sanitizer build keeps its settings
    [ -n "${!v:-}" ] && environment+=("$v=${!v}")
done
bus=$("${as[@]}" "${environment[@]}" dbus-daemon --session --fork --print-address=1 | head -n 1)
[ -n "$bus" ] || skip "no private session bus"
environment+=("DBUS_SESSION_BUS_ADDRESS=$bus")
run() { "${as[@]}" "${environment[@]}" "$@"; }

case $framework in
fcitx5)
    run fcitx5 --disable=wayland,waylandim,notificationitem,kimpanel,notifications,clipboard,emoji,spell,quickphrase,unicode,imselector,fcitx4frontend,ibusfrontend,xim \
        >"$scratch/framework.log" 2>&1 &
    ask() { run dbus-send --session --print-reply=literal --reply-timeout=1000 --dest=org.fcitx.Fcitx5 /controller "org.fcitx.Fcitx.Controller1.$1" 2>/dev/null | awk '{print $NF}'; }
    # Asking before fcitx5 owns its name would start a second one by D-Bus activation.
    ready() { grep -q "Loaded addon mozc" "$scratch/framework.log" && [ -n "$(ask State)" ]; }
    # What the player sees of the framework: fcitx5's state of the focused context.
    state() { ask State; }
    monitor=(dbus-monitor --session)
    ;;
ibus)
    run ibus-daemon --panel=disable --emoji-extension=disable --cache=none >"$scratch/framework.log" 2>&1 &
    ibus_bus() { sed -n 's/^IBUS_ADDRESS=//p' "$scratch"/home/.config/ibus/bus/* 2>/dev/null | head -n 1; }
    ask() {
        run dbus-send --address="$(ibus_bus)" --print-reply --reply-timeout=1000 --dest=org.freedesktop.IBus \
            /org/freedesktop/IBus "org.freedesktop.IBus.$1" "${@:2}" 2>/dev/null
    }
    state() { ask GetGlobalEngine | awk '/string/ {n++} n==2 {print $2; exit}' | tr -d '"'; }
    ready() {
        [ -n "$(ibus_bus)" ] && run dbus-send --address="$(ibus_bus)" --print-reply --dest=org.freedesktop.IBus \
            /org/freedesktop/IBus org.freedesktop.DBus.Properties.Get string:org.freedesktop.IBus string:Engines \
            2>/dev/null | grep '"mozc-jp"' >/dev/null # all of it: no broken pipe
    }
    ;;
esac
for _ in $(seq 100); do ready && break; sleep 0.1; done
ready || { cat "$scratch/framework.log"; skip "$framework did not start"; }
if [ "$framework" = ibus ]; then
    # The player's own engine, English, as a desktop session would have chosen it.
    ask SetGlobalEngine string:xkb:us::eng >/dev/null
    monitor=(dbus-monitor --address "$(ibus_bus)")
fi
run "${monitor[@]}" >"$scratch/monitor.log" 2>&1 &
log "$framework is running"

# Two games: the one played (a) and another program's window (b).
windows=()
games=()
for d in a b; do
    (cd "$scratch/$d" && exec "${as[@]}" "${environment[@]}" "QT_IM_MODULE=$module" "$program") \
        >"$scratch/$d.log" 2>&1 &
    games+=($!)
    for _ in $(seq 100); do
        w=$(xdotool search --name "^モジロタイピング$" 2>/dev/null | grep -vxF "${windows[*]:-none}" | head -n 1)
        [ -n "$w" ] && break
        sleep 0.1
    done
    [ -n "$w" ] || fail "window $d not shown"
    windows+=("$w")
done
a=${windows[0]}
b=${windows[1]}
xdotool windowmove --sync "$b" 0 0
xdotool windowmove --sync "$a" 700 600
sleep 0.5

# Places in the window (pixels).
start=(373 40)
kaitou=(240 260)
combo=(90 130)

focus() { xdotool windowfocus --sync "$1"; sleep 0.3; }
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.4; }
# The text of the focused field, as the player can copy it.
read_back() {
    printf '' | xsel -b -i
    xdotool key ctrl+a ctrl+c
    sleep 0.3
    xsel -b -o
    xdotool key End # the next word goes after the text, not over it
}
word() { xdotool type --delay 60 ringo; sleep 0.6; xdotool key Return; sleep 0.4; }
# Until the framework is no longer as it was (at most 3 s), then a moment for the
# Hiragana key; typing starts no sooner, as a player's first key comes later, too.
switched() {
    for _ in $(seq 30); do [ "$(state)" != "$before" ] && break; sleep 0.1; done
    sleep 0.3
}
expect() { # expect WHAT EXPECTED ACTUAL
    if [ "$2" = "$3" ]; then log "ok: $1: $3"; else fail "$1: expected '$2', got '$3'"; fi
}

focus "$a"
before=$(state)
log "before the round the framework's state is '$before'"
click "$a" "${start[@]}"
sleep 2 # the countdown: the third tick gives the answer box the focus
switched
word
shots
expect "romaji typed after the countdown" "りんご" "$(read_back)"

xdotool key Katakana
sleep 0.3
word
expect "after the player chose katakana" "りんごリンゴ" "$(read_back)"

xdotool key Tab
sleep 0.3
xdotool key shift+Tab
switched
xdotool key End # Tab selected the whole text
word
expect "after the focus left by Tab and came back" "りんごリンゴりんご" "$(read_back)"

xdotool key Return # a wrong answer: the message box takes the focus
sleep 0.8
[ "$(xdotool getwindowfocus getwindowname)" = "間違い" ] || fail "no wrong-answer box"
[ "$framework" = ibus ] && expect "the engine while the box is open" "$before" "$(state)"
xdotool key Return # its OK; the box is emptied
sleep 0.3
focus "$a" # as a window manager gives the window the focus back
switched
word
expect "after the wrong-answer box" "りんご" "$(read_back)"

click "$a" "${combo[@]}"
expect "the framework's state at the time-limit box" "$before" "$(state)"
xdotool key ctrl+a
xdotool type --delay 60 ringo
sleep 0.3
expect "typed into the time-limit box" "ringo" "$(read_back)"

click "$a" "${kaitou[@]}"
sleep 0.3
focus "$b"
click "$b" "${combo[@]}"
xdotool key ctrl+a
xdotool type --delay 60 ringo
sleep 0.5
shots
expect "typed into another program's window" "ringo" "$(read_back)"

focus "$a" # the answer box has the focus again
switched
xdotool key End # the click put the cursor inside the text
word
expect "after the window got the focus back" "りんごりんご" "$(read_back)"

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

xdotool mousemove --window "$a" 593 40 click 1 # End
for _ in $(seq 100); do kill -0 "${games[0]}" 2>/dev/null || break; sleep 0.1; done
kill -0 "${games[0]}" 2>/dev/null && fail "still running after End"
# IBus keeps one engine for everybody: ours must not outlive the game.
[ "$framework" = ibus ] && expect "the engine after End" "$before" "$(state)"
if grep -qE "Sanitizer|runtime error" "$scratch/a.log"; then cat "$scratch/a.log"; fail "the sanitizer found faults"; fi
log "ok: $framework"
