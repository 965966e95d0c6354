#!/bin/bash
# Makes the game's six sounds from parameters with sox, into sound/. The
# files are committed, so building never needs sox; run this after changing a
# sound here, listen, then commit both.
set -euo pipefail
cd "$(dirname "$0")/../sound"
command -v sox >/dev/null || { echo "needs sox (apt-get install sox)" >&2; exit 1; }

# 22050 Hz, 16-bit, mono: small, and every sound device plays it. No dither
# (-D): the silence is silent.
out=(-r 22050 -b 16 -c 1)
# Silence before and after each sound: played as an effect through PulseAudio,
# a sample loses about a tenth of a second at its ends, and the sound must not.
lead=0.1 tail=0.3
tone() { # name seconds synth-arguments...
    local name=$1 length=$2
    shift 2
    sox -D -n "${out[@]}" "$name.wav" synth "$length" "$@" fade q 0.005 "$length" 0.04 gain -n -3 pad $lead $tail
}

# The countdown lights: two short beeps and a higher, longer one for green.
tone count1 0.15 sine 660
tone count2 0.15 sine 660
tone count3 0.40 sine 1320
# A right answer: a rising two-note chime.
sox -D -n "${out[@]}" right.wav synth 0.09 sine 1047 fade q 0.005 0.09 0.02 : \
    synth 0.16 sine 1568 fade q 0.005 0.16 0.06 gain -n -3
# A wrong answer: a low buzz, squarish so it is heard on small speakers.
sox -D -n "${out[@]}" wrong.wav synth 0.30 square 196 gain -8 lowpass 1800 fade q 0.005 0.30 0.04 \
    gain -n -3 pad $lead $tail
# Time up: three falling notes.
sox -D -n "${out[@]}" timeup.wav synth 0.14 sine 988 fade q 0.005 0.14 0.03 : \
    synth 0.14 sine 784 fade q 0.005 0.14 0.03 : synth 0.30 sine 523 fade q 0.005 0.30 0.1 \
    gain -n -3 pad $lead $tail
ls -l ./*.wav
