#!/usr/bin/env bash
# Checks the Windows files as users get them: at most 1 MB each, importing only DLLs that
# every Windows has (the program is linked statically: no C++ runtime, no threads library, no
# Qt), and the installer's version record naming the same product and version as the
# program's.
#   scripts/check-windows-exe.sh PROGRAM.exe [INSTALLER.exe]
set -euo pipefail
most_bytes=$((1024 * 1024))
# The system's own DLLs (and msvcrt.dll, the C runtime Windows itself ships).
system_dlls='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|shlwapi|ole32|oleaut32|oleacc|advapi32|winmm|uxtheme|dwmapi|imm32|version|msvcrt|ntdll)\.dll$'

check_file() {
  local file=$1 size imports foreign
  size=$(stat -c %s "$file")
  if ((size > most_bytes)); then
    echo "$file: $size bytes, more than $most_bytes" >&2
    exit 1
  fi
  imports=$(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
  if [[ -z "$imports" ]]; then
    echo "$file: no imports found; is it a Windows program?" >&2
    exit 1
  fi
  foreign=$(grep -Ev "$system_dlls" <<<"$imports" || true)
  if [[ -n "$foreign" ]]; then
    echo "$file imports DLLs that are not the system's:" >&2
    echo "$foreign" >&2
    exit 1
  fi
  echo "$file: $size bytes; imports $(tr '\n' ' ' <<<"$imports")"
}

# "ProductName" and "ProductVersion" of a file's version record, one a line.
product() {
  x86_64-w64-mingw32-windres --input "$1" --output-format rc |
    sed -n 's/^\s*VALUE "\(ProductName\|ProductVersion\)", \(".*"\)$/\1 \2/p'
}

check_file "$1"
if [[ $# -ge 2 ]]; then
  check_file "$2"
  program=$(product "$1")
  installer=$(product "$2")
  if [[ -z "$program" || "$installer" != "$program" ]]; then
    echo "$2 names \"${installer:-nothing}\", the program \"${program:-nothing}\"" >&2
    exit 1
  fi
  echo "$2: $(tr '\n' ' ' <<<"$installer")"
fi
