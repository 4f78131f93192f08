#include "platform/windows/windows_file_system.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <functional>

#include "platform/folder_listing.h"
#include "platform/windows/wide_text.h"

namespace reminder {

namespace {

// The system's own listing rather than std::filesystem, whose locale machinery would make up
// half of the statically linked program file.
using Keep = std::function<bool(const WIN32_FIND_DATAW& entry)>;

bool shown(const WIN32_FIND_DATAW& entry) {
  return (entry.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

bool isFolder(const WIN32_FIND_DATAW& entry) {
  const std::wstring_view name = entry.cFileName;
  return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && name != L"." && name != L"..";
}

bool isProgram(const WIN32_FIND_DATAW& entry) {
  if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return false;
  std::wstring name = entry.cFileName;
  if (name.size() < 4) return false;
  std::transform(name.end() - 4, name.end(), name.end() - 4,
                 [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
  return name.ends_with(L".exe");
}

// A root ("C:\") already ends with its separator; any other folder gets one.
std::wstring inFolder(const std::wstring& folder, const wchar_t* name) {
  if (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) return folder + name;
  return folder + L'\\' + name;
}

// The names of the entries of `folder` that `keep` admits, sorted; none when it cannot be read.
std::optional<std::vector<std::string>> list(const std::string& folder, const Keep& keep) {
  const std::wstring wide = wideText(folder);
  WIN32_FIND_DATAW entry{};
  const HANDLE search = FindFirstFileExW(inFolder(wide, L"*").c_str(), FindExInfoBasic, &entry,
                                         FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return std::nullopt;
  std::vector<std::string> names;
  do {
    if (keep(entry) && shown(entry)) names.push_back(utf8Text(entry.cFileName));
  } while (FindNextFileW(search, &entry) != FALSE);
  const bool complete = GetLastError() == ERROR_NO_MORE_FILES;
  FindClose(search);
  if (!complete) return std::nullopt;
  sortForPeople(names);
  return names;
}

std::wstring systemDrive() {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemWindowsDirectoryW(folder, MAX_PATH);
  if (length < 3 || length >= MAX_PATH) return {};
  return {folder, 3};  // "C:\"
}

}  // namespace

std::vector<std::string> WindowsFileSystem::drives() const {
  // The roots come as one buffer: "A:\", "C:\", ... each ended by a nul, the last by two.
  wchar_t buffer[27 * 4 + 1]{};
  const DWORD length = GetLogicalDriveStringsW(static_cast<DWORD>(std::size(buffer) - 1), buffer);
  if (length == 0 || length >= std::size(buffer)) return {};
  std::vector<std::wstring> roots;
  for (const wchar_t* root = buffer; *root != L'\0'; root += std::wcslen(root) + 1) {
    roots.emplace_back(root);
  }
  const auto first = std::find(roots.begin(), roots.end(), systemDrive());
  if (first != roots.end()) std::rotate(roots.begin(), first, first + 1);
  std::vector<std::string> drives;
  for (const std::wstring& root : roots) drives.push_back(utf8Text(root));
  return drives;
}

std::optional<std::vector<std::string>> WindowsFileSystem::subfolders(
    const std::string& folder) const {
  std::optional<std::vector<std::string>> names = list(folder, isFolder);
  if (!names) return std::nullopt;
  const std::wstring wide = wideText(folder);
  for (std::string& name : *names) name = utf8Text(inFolder(wide, wideText(name).c_str()));
  return names;
}

std::optional<std::vector<std::string>> WindowsFileSystem::programs(
    const std::string& folder) const {
  return list(folder, isProgram);
}

}  // namespace reminder
