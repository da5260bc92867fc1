#!/usr/bin/env bash
# Builds the project with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test; then
# builds the Release configuration with its tests and benchmarks and runs the tests again, so that a
# fault that shows only with the optimiser is caught too.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${GK_TEST_BUILD_DIR:-$here/build-test}"
release="${GK_TEST_RELEASE_BUILD_DIR:-$here/build-test-rel}"
jobs="${GK_TEST_JOBS:-$(nproc)}"

"$here/scripts/deps.sh"
export QT_QPA_PLATFORM=offscreen

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGK_SANITIZE=ON -DGK_BUILD_TESTS=ON
cmake --build "$build" --parallel "$jobs"
(
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    ctest --test-dir "$build" --output-on-failure --parallel "$jobs" --timeout 600
)

cmake -S "$here" -B "$release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGK_SANITIZE=OFF -DGK_BUILD_TESTS=ON \
    -DGK_BUILD_BENCH=ON
cmake --build "$release" --parallel "$jobs"
ctest --test-dir "$release" --output-on-failure --parallel "$jobs" --timeout 600
