#!/usr/bin/env bash
# Runs the tests of a Windows build (made by tests/package/windows_cross_compile.cmake) under
# Wine, in a fresh prefix, on a virtual display of their own for the message boxes.
#   run_windows_tests.sh BUILD_DIR
set -euo pipefail
here=$(dirname "$(realpath "$0")")
build=$(realpath "$1")
prefix=$build/wineprefix
export REMINDER_WINEPREFIX=$prefix

"$here/wine_env.sh" create "$prefix" "$build/bin/stand_in.exe"
trap '"$here/wine_env.sh" stop "$prefix"' EXIT
xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
  ctest --test-dir "$build" --output-on-failure --timeout 300
