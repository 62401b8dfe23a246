#!/usr/bin/env bash
# Sets up, builds and runs every test in three builds: the plain build (with the window test
# under Xvfb); AddressSanitizer with UndefinedBehaviorSanitizer; ThreadSanitizer. In the two
# sanitizer builds any report fails the run; they leave out the window test, whose software
# OpenGL driver is not instrumented.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSCHEMES_SANITIZE=ON
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs" -LE window

cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSCHEMES_SANITIZE_THREAD=ON
cmake --build build-tsan -j "$jobs"
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
  ctest --test-dir build-tsan --output-on-failure -j "$jobs" -LE window
