#!/bin/bash
# Builds the fuzzers with clang and runs each for the given seconds (default 60):
# the readers of the three files, then the help file reader. A second argument
# runs only that one (readers or help).
#
# Each starts from its seeds in fuzz/corpus/NAME and from what earlier runs found
# in build-fuzz/corpus/NAME; new finds go to the latter only, so the seeds stay
# as committed (remove build-fuzz/corpus to start afresh). Crash, timeout and
# leak inputs are written to build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
only=${2:-}
case "$only" in
"" | readers | help) ;;
*)
    echo "usage: fuzz/run.sh [seconds] [readers|help]" >&2
    exit 2
    ;;
esac
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DMOJIRO_FUZZ=ON -DMOJIRO_TESTS=OFF \
    -DMOJIRO_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target readers_fuzz help_fuzz
mkdir -p build-fuzz/findings

# run NAME MAX_LEN: one fuzzer at a time, leaving the other core free.
run() {
    local name=$1 max_len=$2
    mkdir -p "build-fuzz/corpus/$name"
    UBSAN_OPTIONS=print_stacktrace=1 "build-fuzz/fuzz/${name}_fuzz" -max_total_time="$seconds" -max_len="$max_len" \
        -timeout=10 -rss_limit_mb=2048 -dict="fuzz/$name.dict" -print_final_stats=1 \
        -artifact_prefix="build-fuzz/findings/$name-" \
        "build-fuzz/corpus/$name" "fuzz/corpus/$name"
}
# The readers must stay correct on files of any size; 1 MiB is far beyond any
# real word list or settings file and holds thousands of history lines.
if [ -z "$only" ] || [ "$only" = readers ]; then
    run readers 1048576
fi
# The shipped help file is about 92 KiB; 256 KiB leaves room for a larger one
# while keeping each run of the decompressor short.
if [ -z "$only" ] || [ "$only" = help ]; then
    # The shipped help file, the one the reader must open above all, is a seed
    # too; it is in data/ already, so the working corpus takes it from there.
    mkdir -p build-fuzz/corpus/help
    [ -e build-fuzz/corpus/help/ZkHelp.chm ] || cp data/ZkHelp.chm build-fuzz/corpus/help/
    run help 262144
fi
