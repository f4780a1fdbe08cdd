#!/usr/bin/env bash
# Builds everything but the desktop program with AddressSanitizer and
# UndefinedBehaviorSanitizer (clang, the "sanitize" preset) in
# build-sanitize/, runs each fuzzer for TILVORA_FUZZ_SECONDS seconds (60 by
# default), then every test of that build: none of them needs the browser
# engine. A sanitizer finding fails the test or the fuzzer that made it. The
# last line is CTest's summary.
set -euo pipefail
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$repo_root/build-sanitize"
seconds=${TILVORA_FUZZ_SECONDS:-60}

cd "$repo_root"
echo "== Building with the sanitizers in $build"
cmake --preset sanitize -DTILVORA_FUZZ_SECONDS="$seconds" >/dev/null
cmake --build --preset sanitize -j "$(nproc)"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

fuzz_status=0
echo "== Fuzzing each target for $seconds seconds"
cmake --build "$build" --target fuzz </dev/null || fuzz_status=$?

echo "== The tests under the sanitizers"
test_status=0
ctest --preset sanitize -j "$(nproc)" </dev/null || test_status=$?
if [[ $fuzz_status -ne 0 ]]; then
  exit "$fuzz_status"
fi
exit "$test_status"
