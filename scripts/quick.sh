#!/usr/bin/env bash
# The everyday loop: builds the debug tree and runs every test that needs no display, no
# Wine and no real time (the ctest label "quick"): the behaviour in virtual time, the Qt
# widgets on the offscreen platform, the platform pieces that wait for no clock, the layers
# and the style. The first build installs nothing: run scripts/test.sh once before.
set -euo pipefail
cd "$(dirname "$0")/.."
[[ -f build/debug/build.ninja ]] || cmake -S . -B build/debug -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build build/debug
ctest --test-dir build/debug --output-on-failure -j "$(nproc)" -L quick
