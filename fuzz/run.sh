#!/bin/bash
# Builds the fuzzers with clang and runs each for the given seconds (default 60):
# the readers of the three files, the help file reader, the word list import
# and editor, the slips of a wrong answer, the history's CSV export, the
# record of words, the romaji typed into the answer box, the EDICT dictionary's
# lines with its index, and the index's cache file. A second argument runs
# only that one (readers, help, word_list, alignment, history_csv, word_store,
# romaji, edict or edict_index).
#
# Each starts from its seeds in fuzz/corpus/NAME and from what earlier runs found
# in build-fuzz/corpus/NAME; new finds go to the latter only, so the seeds stay
# as committed (remove build-fuzz/corpus to start afresh). Crash, timeout and
# leak inputs are written to build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
only=${2:-}
names=(readers help word_list alignment history_csv word_store romaji edict edict_index)
known=false
for name in "${names[@]}"; do
    [ "$name" != "$only" ] || known=true
done
if [ -n "$only" ] && ! $known; then
    echo "usage: fuzz/run.sh [seconds] [readers|help|word_list|alignment|history_csv|word_store|romaji|edict|edict_index]" >&2
    exit 2
fi
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DMOJIRO_FUZZ=ON -DMOJIRO_TESTS=OFF \
    -DMOJIRO_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ -z "$only" ]; then
    cmake --build build-fuzz --target "${names[@]/%/_fuzz}"
else
    cmake --build build-fuzz --target "${only}_fuzz"
fi
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
wanted() {
    [ -z "$only" ] || [ "$only" = "$1" ]
}
# The readers must stay correct on files of any size; 1 MiB is far beyond any
# real word list or settings file and holds thousands of history lines.
if wanted readers; then
    run readers 1048576
fi
# The shipped help file is about 92 KiB; 256 KiB leaves room for a larger one
# while keeping each run of the decompressor short.
if wanted help; then
    # The shipped help file, the one the reader must open above all, is a seed
    # too; it is in data/ already, so the working corpus takes it from there.
    mkdir -p build-fuzz/corpus/help
    [ -e build-fuzz/corpus/help/ZkHelp.chm ] || cp data/ZkHelp.chm build-fuzz/corpus/help/
    run help 262144
fi
# A list of as many distinct words as the game takes is a few hundred KiB.
if wanted word_list; then
    run word_list 1048576
fi
# 8 KiB is 4096 UTF-16 code units, enough for a table past the aligner's cap;
# the first bytes can repeat the texts for longer ones still.
if wanted alignment; then
    run alignment 8192
fi
# About a thousand history lines.
if wanted history_csv; then
    run history_csv 65536
fi
# A record of some hundreds of words; every open checks the whole file, so
# larger ones would only slow each run.
if wanted word_store; then
    run word_store 65536
fi
# Keys as a player types them between two Enters; a few thousand go far past
# any word.
if wanted romaji; then
    run romaji 4096
fi
# Some hundred dictionary lines; every input is indexed, written and read back.
if wanted edict; then
    run edict 16384
fi
# The sound cache file of the fuzzer's dictionary is under 1 KiB; changes to
# it come five bytes each.
if wanted edict_index; then
    run edict_index 4096
fi
