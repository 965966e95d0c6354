#!/bin/bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./tools/setup.sh
cmake -S . -B build -G Ninja -DMOJIRO_TESTS=ON -DMOJIRO_BENCH=ON
cmake --build build
ctest --test-dir build --output-on-failure
# Every test again under AddressSanitizer and UBSan.
cmake -S . -B build-asan -G Ninja -DMOJIRO_TESTS=ON -DMOJIRO_BENCH=OFF -DMOJIRO_SANITIZE=ON
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure
