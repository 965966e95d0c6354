# Sourced by the tests that run the real program on a display of their own.
# Each wait is for the event a step needs, never a fixed time; its limit,
# MOJIRO_WINDOW_WAIT seconds (60 unless told), is long enough for a machine
# that is busy with other tests.
wait_s=${MOJIRO_WINDOW_WAIT:-60}

# Runs the command until it succeeds, for at most `seconds`.
wait_until() {
    local seconds=$1 end
    shift
    end=$((SECONDS + seconds))
    until "$@"; do
        [ "$SECONDS" -ge "$end" ] && return 1
        sleep 0.05
    done
}

# A virtual X server of our own, the first free one from :90, answering before
# this returns; sets DISPLAY and xvfb_pid. Another test may take a number
# between the look and the start, so a server that does not come up moves on
# to the next.
start_display() {
    local n=90 end
    while :; do
        while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
        [ "$n" -gt 160 ] && return 1
        # -noreset: the server would reset as each xdotool closes, dropping a
        # program that connects at that moment.
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
        xvfb_pid=$!
        end=$((SECONDS + wait_s))
        while kill -0 "$xvfb_pid" 2>/dev/null && [ "$SECONDS" -lt "$end" ]; do
            if xdpyinfo -display ":$n" >/dev/null 2>&1; then
                export DISPLAY=":$n"
                return 0
            fi
            sleep 0.05
        done
        kill "$xvfb_pid" 2>/dev/null
        n=$((n + 1))
    done
}

# The id of the visible window with exactly this caption, once it is there.
find_window() {
    wait_until "$wait_s" window_named "$1" || return 1
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}
window_named() {
    [ -n "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)" ]
}

# Until the process has ended.
gone() { ! kill -0 "$1" 2>/dev/null; }
