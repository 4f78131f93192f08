#!/usr/bin/env bash
# The checked build, made once with clang: the behaviour, platform and widget tests and the
# week-long soak under AddressSanitizer and UndefinedBehaviorSanitizer, then each fuzz
# target for REMINDER_FUZZ_SECONDS (a minute) from its seeds, two at a time.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/checked
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DREMINDER_SANITIZE=ON -DREMINDER_FUZZ=ON -DREMINDER_FUZZ_SECONDS="${REMINDER_FUZZ_SECONDS:-60}"
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure --timeout 1200 -j "$(nproc)" -LE 'e2e|fuzz|soak'
# Verbose, for its figures: what a week of use did and the heap at the end of each day.
ctest --test-dir "$build" --output-on-failure -L soak -V | grep -E '^[0-9]+: [^[]'
rm -f "$build"/fuzz/*.summary
status=0
ctest --test-dir "$build" --output-on-failure -j 2 -L fuzz || status=$?
cat "$build"/fuzz/*.summary
exit $status
