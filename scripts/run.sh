#!/usr/bin/env bash
# Builds the program (installing what it needs) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DREMINDER_WITH_TESTS=OFF
cmake --build build/release --target kavelto-time-reminder
exec build/release/bin/kavelto-time-reminder "$@"
