#!/bin/bash
# The countdown as heard: a real PulseAudio server with a null sink, whose monitor
# is recorded while the real program idles under a virtual X server and then
# starts a round. Silence is required until スタート, then three tones a second
# apart, about 660, 660 and 1320 Hz.
#   sound_e2e.sh PROGRAM WORDLIST
#   sound_e2e.sh --self-check [WAV...]  paplay plays these (by default the three
#       countdown sounds) a second apart instead, to check the recording and analysis
# Exits 77 (skipped) where the tools are missing or the server cannot start.
set -uo pipefail
here=$(realpath "$(dirname "$0")")
wait_s=${MOJIRO_WINDOW_WAIT:-60}
rate=44100

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*"; for f in pulse parec game; do show "$f"; done; exit 1; }
show() { [ -s "$scratch/$1.log" ] && { echo "--- $1.log"; tail -n 30 "$scratch/$1.log"; }; true; }
now() { date +%s%N; }
# Waits until the command succeeds, at most this many seconds.
until_s() {
    local end=$(($(now) + $1 * 1000000000))
    shift
    until "$@"; do [ "$(now)" -ge "$end" ] && return 1; sleep 0.05; done
}
gone() { ! kill -0 "$1" 2>/dev/null; }

if [ "${1:-}" = --self-check ]; then
    shift
    sounds=("$@")
    [ $# -gt 0 ] || sounds=("$here"/../../sound/count{1,2,3}.wav)
    tools=(paplay)
else
    [ $# -eq 2 ] || { echo "usage: $0 PROGRAM WORDLIST | --self-check [WAV...]"; exit 2; }
    program=$(realpath "$1")
    words=$(realpath "$2")
    tools=(Xvfb xdotool xdpyinfo flock)
fi
for tool in pulseaudio parec pactl od "${tools[@]}"; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
# PulseAudio will not run as root. setpriv execs, so the PID is the server's own.
as=()
if [ "$(id -u)" -eq 0 ]; then
    command -v setpriv >/dev/null || skip "setpriv is not installed"
    as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi

pids=() # the game and parec first, so that neither outlives the server or the display
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    for pid in "${pids[@]}"; do until_s 5 gone "$pid" || kill -9 "$pid" 2>/dev/null; done
    cd / && rm -rf "$scratch"
}
scratch=$(mktemp -d -p /tmp)
trap cleanup EXIT
chmod 755 "$scratch"
mkdir "$scratch/home" "$scratch/pulse" "$scratch/data" && mkdir -m 0700 "$scratch/run" "$scratch/xdg"
[ ${#as[@]} -gt 0 ] && chown nobody "$scratch/home" "$scratch/run" "$scratch/pulse"
socket=$scratch/pulse/native

# -n: no default.pa, so the null sink is the only sink and the game plays into it.
"${as[@]}" env -i PATH=/usr/bin:/bin HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/run" \
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --realtime=no \
    --high-priority=no --log-target=stderr --log-level=error \
    --load="module-null-sink sink_name=mojiro_null" \
    --load="module-native-protocol-unix socket=$socket auth-anonymous=1" >"$scratch/pulse.log" 2>&1 &
pids=($!)
export PULSE_SERVER=unix:$socket PULSE_COOKIE=$scratch/cookie
until_s "$wait_s" eval 'pactl info >/dev/null 2>&1' || { show pulse; skip "PulseAudio did not start"; }

parec -d mojiro_null.monitor --raw --format=s16le --channels=1 --rate=$rate --latency-msec=10 \
    >"$scratch/rec.raw" 2>"$scratch/parec.log" &
parec=$!
pids=("$parec" "${pids[@]}")
until_s "$wait_s" test -s "$scratch/rec.raw" || { show parec; skip "parec records nothing"; }
t0=$(now) # sample 0 was taken at most a fragment before

if [ -n "${sounds:-}" ]; then
    sleep 1.5
    press=$(now)
    # The game's first light comes 0 to 1 s after the press.
    (sleep 0.4; for wav in "${sounds[@]}"; do paplay "$wav" & sleep 1; done; wait) &
    sleep 4.5
else
    # A display no server holds a lock on, chosen one test at a time with the
    # input-method tests, which start at the same number.
    exec 8>>"/tmp/.mojiro-e2e-display-$(id -u).lock"
    flock -w 60 8 || echo "went on without the display lock"
    n=100
    for _ in 1 2 3; do
        while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
        # -noreset: the server would reset as each xdotool closes, dropping a game
        # that connects at that moment.
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >"$scratch/xvfb.log" 2>&1 8>&- &
        xvfb=$!
        export DISPLAY=:$n
        until_s "$wait_s" eval 'xdpyinfo >/dev/null 2>&1 || gone $xvfb'
        gone "$xvfb" || break
        n=$((n + 1))
    done
    exec 8>&-
    pids+=("$xvfb")
    xdpyinfo >/dev/null 2>&1 || { cat "$scratch/xvfb.log"; skip "Xvfb did not start"; }

    cp "$words" "$scratch/data/辞書.txt"
    printf '10,0\r\n' >"$scratch/data/設定.txt"
    printf 'sound/on=1\nsound/volume=100\n' >"$scratch/data/オプション.txt"
    (cd "$scratch/data" && unset WAYLAND_DISPLAY QT_IM_MODULE &&
        XDG_RUNTIME_DIR="$scratch/xdg" XDG_CACHE_HOME="$scratch/home/.cache" QT_QPA_PLATFORM=xcb \
            LC_ALL=C.UTF-8 exec "$program" >"$scratch/game.log" 2>&1) &
    game=$!
    pids=("$game" "${pids[@]}")
    window=""
    until_s "$wait_s" eval 'window=$(xdotool search --name "^モジロタイピング\$" | head -n 1); [ -n "$window" ]' \
        2>/dev/null || fail "the game's window did not show within $wait_s s"
    sleep 1.5 # up and idle: nothing may sound yet
    press=$(now)
    xdotool mousemove --window "$window" 373 40 click 1 # スタート
    sleep 4.5
    xdotool mousemove --window "$window" 593 40 click 1 # 終了
    until_s "$wait_s" gone "$game" || fail "the game was still running $wait_s s after 終了"
    wait "$game" || fail "the game ended with status $?"
    show game
fi
kill "$parec"
until_s "$wait_s" gone "$parec" || fail "parec did not stop"

# RMS and upward zero crossings per 10 ms frame. A tone starts at a frame of RMS
# 1000 (-30 dBFS) or more and ends after 50 ms below that; its pitch is its
# crossings over the time from its first to its last one.
od -An -v -w2 -t d2 --endian=little "$scratch/rec.raw" | awk -v rate=$rate \
    -v press="$(((press - t0) / 1000000))" '
BEGIN { fl = rate / 100; press /= 1000; quiet = 30; on_thr = 1000 }
{
    f = int((NR - 1) / fl); ss[f] += $1 * $1
    if (p < 0 && $1 >= 0) { zc[f]++; if (!(f in z0)) z0[f] = NR - 1; z1[f] = NR - 1 }
    p = $1
}
function bad(what) { print "FAIL: " what; failed = 1 }
END {
    nf = int(NR / fl)
    for (f = 0; f < nf; f++) {
        r = rms[f] = sqrt(ss[f] / fl)
        if ((f + 1) / 100 <= press && r > loud) loud = r
        if (r < on_thr) { if (on && f - last[n] > 5) on = 0; continue }
        if (!on) { first[++n] = f; on = 1 }
        last[n] = f; if (r > peak[n]) peak[n] = r
    }
    printf "recording: %.2f s at %d Hz; スタート pressed at %.2f s\n", nf / 100, rate, press
    printf "before スタート: loudest 10 ms frame RMS %.0f (silence is below %d)\n", loud, quiet
    for (i = 1; i <= n; i++) {
        c = 0; a = -1
        for (f = first[i]; f <= last[i]; f++) if (zc[f]) { if (a < 0) a = z0[f]; b = z1[f]; c += zc[f] }
        hz[i] = b > a ? (c - 1) * rate / (b - a) : 0
        gap[i] = i > 1 ? (first[i] - first[i - 1]) / 100 : first[1] / 100 - press
        printf "tone %d at %.2f s (%.2f s after %s), %.2f s long, RMS %.0f, %.0f Hz\n", i, first[i] / 100,
            gap[i], (i > 1 ? "tone " (i - 1) : "スタート"), (last[i] - first[i] + 1) / 100, peak[i], hz[i]
    }
    if (nf / 100 < press + 4) bad(sprintf("the recording ends %.2f s after スタート", nf / 100 - press))
    if (loud >= quiet) bad("sound before スタート")
    if (n != 3) bad((n + 0) " tones, not 3")
    for (i = 1; i <= 3 && n == 3; i++) {
        want = i < 3 ? 660 : 1320
        if (hz[i] < want * 0.85 || hz[i] > want * 1.15) bad(sprintf("tone %d is not about %d Hz", i, want))
        # Played whole: 0.15 s and 0.40 s as made, not cut off at either end.
        long = i < 3 ? 0.15 : 0.40
        if ((last[i] - first[i] + 1) / 100 < long * 0.8) bad(sprintf("tone %d is cut short", i))
        if (i == 1 && (gap[1] < 0 || gap[1] > 1.5)) bad("the first tone is not within 1.5 s of スタート")
        if (i > 1 && (gap[i] < 0.85 || gap[i] > 1.15)) bad(sprintf("tone %d is not a second after tone %d", i, i - 1))
    }
    if (!failed) { print "ok: silence until スタート, then three whole tones a second apart"; exit }
    print "loudest frame RMS per 0.1 s:"
    for (f = 0; f < nf; f += 10) {
        m = 0; for (g = f; g < f + 10 && g < nf; g++) if (rms[g] > m) m = rms[g]
        printf "%5.0f%s", m, ((f / 10) % 10 == 9 || f + 10 >= nf) ? "\n" : " "
    }
    exit 1
}' || fail "the recording does not hold the countdown"
