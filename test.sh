#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test through ctest.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

./tools/install-deps.sh

build_dir=build-asan
cmake -S . -B "$build_dir" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCALVORA_SANITIZE=ON \
    -DCALVORA_BUILD_TESTS=ON \
    -DCALVORA_BUILD_BENCH=ON
cmake --build "$build_dir" --parallel "$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/tools/lsan.supp:print_suppressions=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)"
