#!/bin/bash
# Installs what is missing, builds everything and runs every test: in a plain
# build (build/), then again under AddressSanitizer and UBSan (build-asan/).
# Here a warning fails the build; ./run.sh's build only shows it.
set -euo pipefail
cd "$(dirname "$0")"
./tools/setup.sh test
# Line tables (-g1) are all the debug information a failure's backtrace needs.
common=(-G Ninja -DMOJIRO_TESTS=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
    -DCMAKE_BUILD_TYPE=RelWithDebInfo)
cmake -S . -B build "${common[@]}" -DMOJIRO_BENCH=ON \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"
cmake --build build
# Unoptimized, the sanitizers find the same faults and the build takes a third less.
cmake -S . -B build-asan "${common[@]}" -DMOJIRO_BENCH=OFF -DMOJIRO_SANITIZE=ON \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O0 -g1 -DNDEBUG"

# The sanitizer build compiles while the plain tests run: most of their time
# they wait for windows and input methods.
setsid cmake --build build-asan >build-asan/build.log 2>&1 &
asan=$!
trap 'kill -- -$asan 2>/dev/null || true' EXIT
ctest --test-dir build --output-on-failure -j2
echo "Waiting for the sanitizer build"
if ! wait $asan; then
    cat build-asan/build.log
    exit 1
fi
trap - EXIT
ctest --test-dir build-asan --output-on-failure -j2
