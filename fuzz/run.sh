#!/bin/bash
# Builds the fuzzers with clang and runs each for the given seconds (default 60),
# starting from the sample files: the readers of the three files, then the help
# file reader. A second argument runs only that one (readers or help).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
only=${2:-}
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DMOJIRO_FUZZ=ON -DMOJIRO_TESTS=OFF \
    -DMOJIRO_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer"
cmake --build build-fuzz --target readers_fuzz help_fuzz
if [ -z "$only" ] || [ "$only" = readers ]; then
    corpus=build-fuzz/corpus
    mkdir -p "$corpus"
    cp data/辞書.txt "$corpus/words"
    printf '60,1\r\n' > "$corpus/settings"
    printf '"2024/05/01","21:03:45",25,20,5,90,"80.0%%","1.50/\x95\x62","60\x95\x62"\r\n' \
        > "$corpus/history"
    build-fuzz/fuzz/readers_fuzz -max_total_time="$seconds" -max_len=4096 "$corpus"
fi
if [ -z "$only" ] || [ "$only" = help ]; then
    corpus=build-fuzz/help-corpus
    mkdir -p "$corpus"
    cp tests/help/sample.chm tests/help/sample/toc.hhc tests/help/sample/index.hhk "$corpus/"
    [ -f data/ZkHelp.chm ] && cp data/ZkHelp.chm "$corpus/"
    build-fuzz/fuzz/help_fuzz -max_total_time="$seconds" -max_len=65536 -timeout=10 \
        -rss_limit_mb=1024 "$corpus"
fi
