#!/bin/bash
# The game on a real Wayland compositor: a headless Weston of its own on a
# private socket. PLAYER plays a round in the real window and ends it with 終了;
# PROGRAM, the real game, must map its window (a titled xdg_toplevel with a
# buffer committed) and keep running until it is sent SIGTERM, which ends it
# as closing its window does.
# Exits 77 (skipped) where Weston cannot start or Qt has no Wayland plug-in.
#   wayland_test.sh PLAYER PROGRAM
set -euo pipefail
player=$1
program=$2
folder=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; wait; rm -rf "$folder"' EXIT

skip() { echo "SKIP: $*"; exit 77; }
command -v weston >/dev/null || skip "no weston (apt-get install weston)"

# Nothing of the caller's session: its own runtime folder, socket and no X.
unset DISPLAY WAYLAND_SOCKET QT_IM_MODULE
export XDG_RUNTIME_DIR="$folder/run" XDG_CACHE_HOME="$folder/cache" # nothing in the tester's home
mkdir -m 0700 "$XDG_RUNTIME_DIR"
export WAYLAND_DISPLAY=mojiro-test QT_QPA_PLATFORM=wayland
wait_s=${MOJIRO_WINDOW_WAIT:-60}

weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --no-config \
    --log="$folder/weston.log" >/dev/null 2>&1 &
weston=$!
for _ in $(seq $((wait_s * 10))); do
    [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break
    kill -0 $weston 2>/dev/null || break
    sleep 0.1
done
if [ ! -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]; then
    cat "$folder/weston.log" 2>/dev/null || true
    skip "headless Weston did not start"
fi

# Headless Weston has no seat, and Qt 6.4's text-input context reads the
# missing seat at the first key and crashes; the round takes the compose
# context, which is also what X11 gives when QT_IM_MODULE names none.
status=0
QT_IM_MODULE=compose "$player" 2>"$folder/player.err" || status=$?
[ $status -eq 77 ] && skip "$(cat "$folder/player.err")"
if [ $status -ne 0 ]; then
    echo "the round failed ($status):"; cat "$folder/player.err"; exit 1
fi
# A Qt warning or a sanitizer report is a failure too.
if [ -s "$folder/player.err" ]; then echo "it wrote to stderr:"; cat "$folder/player.err"; exit 1; fi

mkdir "$folder/game"
printf '30,0\r\n' > "$folder/game/設定.txt"
(cd "$folder/game" && WAYLAND_DEBUG=1 exec "$program" 2>"$folder/game.log") &
game=$!
# The toplevel's surface, once titled, gets a buffer attached and committed.
mapped() {
    awk '/-> xdg_wm_base@[0-9]+\.get_xdg_surface/ {
             match($0, /new id xdg_surface@[0-9]+/); x = substr($0, RSTART + 7, RLENGTH - 7)
             match($0, /wl_surface@[0-9]+/); surface[x] = substr($0, RSTART, RLENGTH) }
         /-> xdg_surface@[0-9]+\.get_toplevel/ {
             match($0, /xdg_surface@[0-9]+/); x = substr($0, RSTART, RLENGTH)
             match($0, /new id xdg_toplevel@[0-9]+/); top[substr($0, RSTART + 7, RLENGTH - 7)] = surface[x] }
         /-> xdg_toplevel@[0-9]+\.set_title\("モジロタイピング"\)/ {
             match($0, /xdg_toplevel@[0-9]+/); titled = top[substr($0, RSTART, RLENGTH)] }
         titled != "" && index($0, "-> " titled ".attach(wl_buffer@") { attached = 1 }
         attached && index($0, "-> " titled ".commit()") { found = 1; exit }
         END { exit !found }' "$folder/game.log"
}
for _ in $(seq $((wait_s * 10))); do
    mapped && break
    kill -0 $game 2>/dev/null || break
    sleep 0.1
done
mapped || { echo "the game mapped no window titled モジロタイピング:"; tail -n 40 "$folder/game.log"; exit 1; }
sleep 1 # it keeps running on the display
kill -0 $game 2>/dev/null || { echo "the game ended by itself:"; tail -n 40 "$folder/game.log"; exit 1; }
kill -TERM $game
status=0
wait $game || status=$?
# It ends as its window's close does, not by the signal's default action (143).
[ $status -eq 0 ] || { echo "the game ended with $status on SIGTERM"; exit 1; }
# Beside the protocol's lines, each "[time] ...", nothing: no warning, no report.
if grep -v '^\[' "$folder/game.log"; then echo "the game wrote the lines above to stderr"; exit 1; fi
echo "ok: a round on Wayland ended by 終了; the game's window mapped and ended by SIGTERM"
