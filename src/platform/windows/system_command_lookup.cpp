#include "platform/windows/system_command_lookup.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <array>
#include <cwctype>

namespace reminder {

namespace fs = std::filesystem;

namespace {

constexpr std::array<std::wstring_view, 2> kSystemCommands{L"shutdown", L"taskkill"};

bool sameLetters(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  }
  return true;
}

}  // namespace

std::optional<std::wstring_view> systemCommandName(std::wstring_view commandLine) {
  std::wstring_view word = commandLine.substr(0, commandLine.find_first_of(L" \t"));
  if (word.size() > 4 && sameLetters(word.substr(word.size() - 4), L".exe")) {
    word.remove_suffix(4);
  }
  for (const std::wstring_view name : kSystemCommands) {
    if (sameLetters(word, name)) return name;
  }
  return std::nullopt;
}

std::optional<fs::path> findProgramFile(std::wstring_view name,
                                        const std::vector<fs::path>& folders) {
  for (const fs::path& folder : folders) {
    if (folder.empty()) continue;
    fs::path file = folder / (std::wstring(name) + L".exe");
    std::error_code error;
    if (fs::is_regular_file(file, error)) return file;
  }
  return std::nullopt;
}

std::vector<fs::path> systemCommandFolders() {
  std::vector<fs::path> folders;
  // Long enough for any path Windows gives a program file.
  std::wstring buffer(32768, L'\0');
  const DWORD length =
      GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  if (length > 0 && length < buffer.size()) {
    folders.push_back(fs::path(buffer.substr(0, length)).parent_path());
  }
  const UINT systemLength = GetSystemDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
  if (systemLength > 0 && systemLength < buffer.size()) {
    folders.emplace_back(buffer.substr(0, systemLength));
  }
  return folders;
}

}  // namespace reminder
