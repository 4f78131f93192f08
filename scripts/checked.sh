#!/usr/bin/env bash
# The checked build, made once with clang: the unit tests (behaviour, platform and widgets)
# and the week-long soak under AddressSanitizer and UndefinedBehaviorSanitizer, then each
# fuzz target for REMINDER_FUZZ_SECONDS (a minute; half for two, see tests/fuzz) from its seeds,
# two at a time.
#   checked.sh [build|test]   only configure and build, or only run the tests; both by default
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/checked
step=${1:-all}
if [[ $step != test ]]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
    -DREMINDER_SANITIZE=ON -DREMINDER_FUZZ=ON -DREMINDER_FUZZ_SECONDS="${REMINDER_FUZZ_SECONDS:-60}"
  cmake --build "$build"
fi
[[ $step == build ]] && exit 0
# The end-to-end, package, Wine, layer and style tests are the debug build's (scripts/test.sh).
ctest --test-dir "$build" --output-on-failure --timeout 1200 -j "$(nproc)" -L unit
# Verbose, for its figures: what a week of use did and the heap at the end of each day.
ctest --test-dir "$build" --output-on-failure -L soak -V | grep -E '^[0-9]+: [^[]'
rm -f "$build"/fuzz/*.summary
status=0
ctest --test-dir "$build" --output-on-failure -j 2 -L fuzz || status=$?
cat "$build"/fuzz/*.summary
exit $status
