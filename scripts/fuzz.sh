#!/usr/bin/env bash
# Builds the project-file fuzzer with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# into ./build-fuzz and runs it on a copy of the seed corpus.
# Usage: scripts/fuzz.sh [seconds, default 600] [extra libFuzzer options…]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
shift || true

sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
    -DCMAKE_CXX_FLAGS="-g -O1 ${sanitizers} -fsanitize=fuzzer-no-link" \
    -DCMAKE_EXE_LINKER_FLAGS="${sanitizers}" \
    -DBRINDLE_FUZZ=ON -DBRINDLE_BUILD_APP=OFF -DBRINDLE_BUILD_TESTS=OFF -DBRINDLE_BUILD_BENCH=OFF
cmake --build build-fuzz --parallel 2 --target fuzz_project

# The committed seeds stay untouched; new inputs go into the working corpus.
corpus=build-fuzz/corpus-project
mkdir -p "$corpus" build-fuzz/findings
cp -n fuzz/corpus/project/* "$corpus"/

export QT_QPA_PLATFORM=offscreen
# Qt and libplist are not instrumented; ASan still sees their allocations, so leaks show.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
exec build-fuzz/fuzz/fuzz_project "$corpus" -max_total_time="$seconds" \
    -artifact_prefix=build-fuzz/findings/ -dict=fuzz/project.dict "$@"
