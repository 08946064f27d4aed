#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Exits non-zero on any failure.
#   ./test.sh              the normal build
#   ./test.sh --sanitize   the same suite under AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

build=build
# Every part is built, whatever an earlier configuration of the folder chose.
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_GUI=ON)
if [ "${1:-}" = "--sanitize" ]; then
  build=build-sanitize
  # Debug with -O1: every check of the sanitizers, at a speed the whole suite affords.
  options=(-DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-g -O1" -DZORBEL_SANITIZE=ON
           -DBUILD_GUI=ON -DBUILD_BENCHMARKS=OFF)
  # A leak, a bad access or undefined behaviour fails the test that met it.
  export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1:strict_string_checks=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
fi

cmake -S . -B "$build" -G Ninja "${options[@]}"
cmake --build "$build" --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
