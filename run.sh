#!/bin/bash
# Builds the game and starts it in the play folder play/.
set -euo pipefail
cd "$(dirname "$0")"
./tools/setup.sh
cmake -S . -B build -G Ninja
cmake --build build --target mojiro
mkdir -p play
[ -e "play/辞書.txt" ] || cp "data/辞書.txt" "play/辞書.txt"
# The help follows the sources; the word list in play/ is the player's own.
[ ! -e data/ZkHelp.chm ] || cp -u data/ZkHelp.chm play/ZkHelp.chm
cd play
exec ../build/app/mojiro
