#!/usr/bin/env bash
# Builds everything (installing what it needs) and runs every test: the real program under
# Xvfb, Wayland and Wine, through the accessibility interface, the packages and the layers in
# the debug build; the unit tests, the soak and the fuzzers in the checked build with
# sanitizers (scripts/checked.sh). The debug build's tests mostly wait for real time: the
# checked build is made meanwhile, at the lowest priority, on the time they leave.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests
cmake -S . -B build/debug -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build build/debug
nice -n 19 scripts/checked.sh build > build/checked-build.log 2>&1 &
checked_build=$!
status=0
ctest --test-dir build/debug --output-on-failure --timeout 600 -j 4 -LE 'unit|soak' || status=$?
if ! wait "$checked_build"; then
  cat build/checked-build.log
  exit 1
fi
scripts/checked.sh test || status=$?
exit $status
