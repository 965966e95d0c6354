#!/bin/bash
# Builds the game and starts it in the play folder play/.
set -euo pipefail
cd "$(dirname "$0")"
./tools/setup.sh play
# A new build folder builds the game alone, which needs none of the test tools;
# one that ./test.sh made keeps its options.
options=()
[ -e build/CMakeCache.txt ] || options=(-DMOJIRO_TESTS=OFF -DMOJIRO_BENCH=OFF)
cmake -S . -B build -G Ninja "${options[@]}"
cmake --build build --target mojiro
mkdir -p play
[ -e "play/辞書.txt" ] || cp "data/辞書.txt" "play/辞書.txt"
# The shipped lists come once; after that the folder is the player's.
[ -e "play/単語リスト" ] || [ ! -d "data/単語リスト" ] || cp -r "data/単語リスト" "play/単語リスト"
# The help follows the sources; the word list in play/ is the player's own.
for help in ZkHelp.chm ZkHelp_en.chm; do
    [ ! -e "data/$help" ] || cp -u "data/$help" "play/$help"
done
cd play
exec ../build/app/mojiro
