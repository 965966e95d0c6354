#!/bin/bash
# Builds the game and starts it in the play folder play/.
set -euo pipefail
cd "$(dirname "$0")"
./tools/setup.sh
cmake -S . -B build -G Ninja
cmake --build build --target mojiro
mkdir -p play
[ -e "play/辞書.txt" ] || cp "data/辞書.txt" "play/辞書.txt"
[ -e "play/ZkHelp.chm" ] || [ ! -e data/ZkHelp.chm ] || cp data/ZkHelp.chm play/ZkHelp.chm
cd play
exec ../build/app/mojiro
