#!/usr/bin/env bash
# Sets everything up, builds, and runs the whole test suite: the unit and GUI tests, the core
# tests again under AddressSanitizer and UndefinedBehaviorSanitizer, and a bounded fuzzing run
# of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

jobs=$(nproc)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Every test has a limit of its own; this one holds for any that would not.
timeout=300

echo "== Tests"
ctest --test-dir build --output-on-failure -j "$jobs" --timeout "$timeout"

echo "== Core tests under ASan and UBSan"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVINTREL_SANITIZE=ON \
    -DVINTREL_BUILD_GUI=OFF -DVINTREL_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build build-asan --target core_tests
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs" --timeout "$timeout" -L core

echo "== Fuzzing"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVINTREL_BUILD_FUZZ=ON -DVINTREL_BUILD_GUI=OFF -DVINTREL_BUILD_TESTS=OFF \
    -DVINTREL_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
fuzz_targets=(fuzz_container fuzz_readers fuzz_rtf fuzz_potential)
cmake --build build-fuzz --target "${fuzz_targets[@]}"
for target in "${fuzz_targets[@]}"; do
    echo "-- $target"
    corpus=build-fuzz/corpus/$target
    mkdir -p "$corpus"
    build-fuzz/bin/"$target" -max_total_time="${VINTREL_FUZZ_SECONDS:-30}" \
        -rss_limit_mb=2048 "$corpus" "fuzz/corpus/${target#fuzz_}"
done
echo "All test stages passed"
