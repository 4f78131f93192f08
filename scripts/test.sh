#!/usr/bin/env bash
# Builds everything (installing what it needs) and runs every test: behaviour, widgets on the
# offscreen platform, the real program under Xvfb and through the accessibility interface;
# then the checked build with sanitizers, the soak and the fuzzers (scripts/checked.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests
cmake -S . -B build/debug -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build build/debug
ctest --test-dir build/debug --output-on-failure --timeout 600 -j "$(nproc)"
scripts/checked.sh
