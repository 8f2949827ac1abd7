#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, ASan + UBSan) into build-fuzz/ and runs each: the
# registry readers, then the readers of the removal's own files (journal, .reg backup, trash
# records), each for the given time.
#   scripts/fuzz.sh [seconds] [extra libFuzzer options...]     default: 60 seconds
# Each starts from its committed corpus (tests/fuzz/corpus/, corpus-journal/, read only) and keeps
# what it finds new in build-fuzz/corpus*/. A crashing input is written to build-fuzz/artifacts/
# and the script fails; replay one with build-fuzz/tests/bin/fuzz_registry <file> (or fuzz_journal).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
scripts/setup.sh --packages-only

build=build-fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DPURGEWELL_FUZZ=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target fuzz_registry fuzz_journal

mkdir -p "$build/corpus" "$build/corpus-journal" "$build/artifacts"
# Cheaper allocations (no fill, shorter allocation stacks, a smaller quarantine): about a third
# more executions; reports still name the allocating function.
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:max_malloc_fill_size=0:malloc_context_size=8:quarantine_size_mb=16${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
# Inputs up to 16 KiB: room for many entries and for values far longer than the 260-byte fields.
"$build/tests/bin/fuzz_registry" -max_total_time="$seconds" -max_len=16384 -timeout=20 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/artifacts/" "$@" \
  "$build/corpus" tests/fuzz/corpus
# The journal reader's allocation stacks are unwound in full: Qt is built without frame pointers,
# and the leak of Qt's JSON parser that lsan.supp names must show its frame.
ASAN_OPTIONS="$ASAN_OPTIONS:fast_unwind_on_malloc=0:malloc_context_size=40" \
"$build/tests/bin/fuzz_journal" -max_total_time="$seconds" -max_len=16384 -timeout=20 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/artifacts/" "$@" \
  "$build/corpus-journal" tests/fuzz/corpus-journal
