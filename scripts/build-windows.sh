#!/usr/bin/env bash
# Builds the Windows program "KAVELTO Time Reminder.exe" with Debian's MinGW-w64 and its
# installer with NSIS (installing them when missing), checks that the program is one static
# file of at most 1 MB and the installer its own, and packs the program with the README into
# build/windows/kavelto-time-reminder-windows.zip, beside the installer
# build/windows/kavelto-time-reminder-VERSION-setup.exe.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --windows

build=build/windows
# Optimised for size: the whole C++ runtime is inside the file.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DREMINDER_WITH_TESTS=OFF "${launcher[@]}"
rm -f "$build"/*-setup.exe
cmake --build "$build" --target reminder_windows_program windows_installer

program="$build/bin/KAVELTO Time Reminder.exe"
installer=$(echo "$build"/*-setup.exe)
scripts/check-windows-exe.sh "$program" "$installer"

package=kavelto-time-reminder-windows.zip
rm -rf "$build/zip" "$build/$package"
mkdir -p "$build/zip"
cp "$program" README.md "$build/zip/"
(cd "$build/zip" && cmake -E tar cf "../$package" --format=zip -- "KAVELTO Time Reminder.exe" README.md)
echo "Built $program, $installer and $build/$package"
