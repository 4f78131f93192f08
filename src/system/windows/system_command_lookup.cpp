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

std::optional<std::wstring> findProgramFile(std::wstring_view name,
                                            const std::vector<std::wstring>& folders) {
  for (const std::wstring& folder : folders) {
    // An empty folder would be the current one.
    if (folder.empty()) continue;
    std::wstring file = folder;
    if (file.back() != L'\\') file += L'\\';
    file.append(name).append(L".exe");
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      return file;
    }
  }
  return std::nullopt;
}

std::vector<std::wstring> systemCommandFolders() {
  std::vector<std::wstring> folders;
  // Long enough for any path Windows gives a program file.
  std::wstring buffer(32768, L'\0');
  const DWORD length =
      GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  const std::size_t slash = buffer.find_last_of(L'\\', length);
  if (length > 0 && length < buffer.size() && slash != std::wstring::npos) {
    folders.push_back(buffer.substr(0, slash));
  }
  const UINT systemLength = GetSystemDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
  if (systemLength > 0 && systemLength < buffer.size()) {
    folders.push_back(buffer.substr(0, systemLength));
  }
  return folders;
}

}  // namespace reminder
