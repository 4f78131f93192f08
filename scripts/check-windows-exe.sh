#!/usr/bin/env bash
# Checks a Windows program file as users get it: at most 1 MB, and linked statically, so that
# it imports only DLLs that every Windows has (no C++ runtime, no threads library, no Qt).
#   scripts/check-windows-exe.sh PROGRAM.exe
set -euo pipefail
program=$1
most_bytes=$((1024 * 1024))

size=$(stat -c %s "$program")
if ((size > most_bytes)); then
  echo "$program: $size bytes, more than $most_bytes" >&2
  exit 1
fi

# The system's own DLLs (and msvcrt.dll, the C runtime Windows itself ships).
system_dlls='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|shlwapi|ole32|oleaut32|oleacc|advapi32|winmm|uxtheme|dwmapi|imm32|version|msvcrt|ntdll)\.dll$'
imports=$(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
if [[ -z "$imports" ]]; then
  echo "$program: no imports found; is it a Windows program?" >&2
  exit 1
fi
foreign=$(grep -Ev "$system_dlls" <<<"$imports" || true)
if [[ -n "$foreign" ]]; then
  echo "$program imports DLLs that are not the system's:" >&2
  echo "$foreign" >&2
  exit 1
fi
echo "$program: $size bytes; imports $(tr '\n' ' ' <<<"$imports")"
