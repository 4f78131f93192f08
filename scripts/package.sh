#!/usr/bin/env bash
# Builds the program for release and makes its Debian package, installing what that needs:
# build/release/kavelto-time-reminder_VERSION_ARCH.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --package
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DREMINDER_WITH_TESTS=OFF
cmake --build build/release --target package
