#include "system/windows/system_command_lookup.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <array>

#include "system/windows/program_name.h"

namespace reminder {

namespace {

constexpr std::array<std::wstring_view, 2> kSystemCommands{L"shutdown", L"taskkill"};

}  // namespace

std::optional<std::wstring_view> systemCommandName(std::wstring_view commandLine) {
  std::wstring_view word = commandLine.substr(0, commandLine.find_first_of(L" \t"));
  if (hasProgramExtension(word)) word.remove_suffix(4);
  for (const std::wstring_view name : kSystemCommands) {
    if (sameLetters(word, name)) return name;
  }
  return std::nullopt;
}

std::optional<std::wstring> systemCommandFile(std::wstring_view name) {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::nullopt;
  std::wstring file(folder, length);
  if (file.back() != L'\\') file += L'\\';
  file.append(name).append(L".exe");
  const DWORD attributes = GetFileAttributesW(file.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return std::nullopt;
  }
  return file;
}

}  // namespace reminder
