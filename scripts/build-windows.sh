#!/usr/bin/env bash
# Builds the Windows program "KAVELTO Time Reminder.exe" with Debian's MinGW-w64 (installing it
# when missing), checks that it is one static file of at most 1 MB, and packs it with the
# README into build/windows/kavelto-time-reminder-windows.zip.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)
missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Installing: ${missing[*]}"
  run_as_root=()
  [[ $(id -u) -ne 0 ]] && run_as_root=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${run_as_root[@]}" apt-get update -qq
  "${run_as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build=build/windows
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DREMINDER_WITH_QT=OFF -DREMINDER_WITH_TESTS=OFF
cmake --build "$build" --target reminder_windows_program

program="$build/bin/KAVELTO Time Reminder.exe"
scripts/check-windows-exe.sh "$program"

package=kavelto-time-reminder-windows.zip
rm -rf "$build/zip" "$build/$package"
mkdir -p "$build/zip"
cp "$program" README.md "$build/zip/"
(cd "$build/zip" && cmake -E tar cf "../$package" --format=zip -- "KAVELTO Time Reminder.exe" README.md)
echo "Built $program and $build/$package"
