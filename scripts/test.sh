#!/usr/bin/env bash
# Sets everything up, builds, and runs the whole test suite: the unit and GUI tests, the
# container tests again under AddressSanitizer and UndefinedBehaviorSanitizer, and a bounded
# fuzzing run of the container reader.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

jobs=$(nproc)
echo "== Tests"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== Container tests under ASan and UBSan"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVINTREL_SANITIZE=ON \
    -DVINTREL_BUILD_GUI=OFF -DVINTREL_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan --target core_tests
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs" -L core

echo "== Fuzzing the container reader"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVINTREL_BUILD_FUZZ=ON -DVINTREL_BUILD_GUI=OFF -DVINTREL_BUILD_TESTS=OFF \
    -DVINTREL_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --target fuzz_container
mkdir -p build-fuzz/corpus
build-fuzz/bin/fuzz_container -max_total_time="${VINTREL_FUZZ_SECONDS:-60}" \
    -rss_limit_mb=2048 build-fuzz/corpus fuzz/corpus
echo "All test stages passed"
