#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer (clang) into
# build-asan/ and runs the tests there. Any sanitizer report fails the test that caused it.
# Extra arguments go to ctest; without any, the Wine-labelled tests are left out
# (they run in the normal suite and mostly exercise the Windows side).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --packages-only

build=build-asan
# Also for the tools the build runs. Full unwinding on malloc: Qt is built without frame
# pointers, and the leak suppressions need to see the library a leak comes from.
export ASAN_OPTIONS="detect_leaks=1:fast_unwind_on_malloc=0:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DPURGEWELL_SANITIZE=ON >/dev/null
cmake --build "$build" -j "$(nproc)"

[ $# -eq 0 ] && set -- -LE wine
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" "$@"
