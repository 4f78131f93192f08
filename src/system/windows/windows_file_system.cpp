#include "system/windows/windows_file_system.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>
#include <cwchar>

#include "platform/reading_order.h"
#include "system/windows/long_path.h"
#include "system/windows/program_name.h"
#include "system/windows/wide_text.h"

namespace reminder {

namespace {

// The shown entries of a folder, subfolders or files, as the system lists them; none when it
// cannot be read. (The system's own calls, not std::filesystem: its path conversions bring
// the whole C++ locale machinery into the static program file.)
std::optional<std::vector<std::wstring>> shownEntries(const std::string& folder, bool subfolders) {
  std::wstring pattern = wideText(folder);
  if (pattern.empty()) return std::nullopt;
  if (pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
  pattern = extendedPath(pattern + L'*');
  WIN32_FIND_DATAW entry;
  const HANDLE find =
      FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr, 0);
  if (find == INVALID_HANDLE_VALUE) {
    // A drive's root without any entry has no "." either.
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return std::vector<std::wstring>{};
    return std::nullopt;
  }
  std::vector<std::wstring> names;
  do {
    const std::wstring_view name = entry.cFileName;
    const DWORD attributes = entry.dwFileAttributes;
    // Hidden and system entries are left out, as Explorer leaves them out.
    if (name == L"." || name == L".." ||
        (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0 ||
        ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) != subfolders) {
      continue;
    }
    names.emplace_back(name);
  } while (FindNextFileW(find, &entry) != 0);
  const bool complete = GetLastError() == ERROR_NO_MORE_FILES;
  FindClose(find);
  if (!complete) return std::nullopt;
  return names;
}

std::string systemDrive() {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemWindowsDirectoryW(folder, MAX_PATH);
  if (length < 3 || length >= MAX_PATH) return {};
  return utf8Text(std::wstring_view(folder, 3));  // "C:\"
}

}  // namespace

std::vector<std::string> WindowsFileSystem::drives() const {
  // The roots come as one buffer: "A:\", "C:\", ... each ended by a nul, the last by two.
  wchar_t buffer[27 * 4 + 1]{};
  const DWORD length = GetLogicalDriveStringsW(static_cast<DWORD>(std::size(buffer) - 1), buffer);
  if (length == 0 || length >= std::size(buffer)) return {};
  std::vector<std::string> drives;
  for (const wchar_t* root = buffer; *root != L'\0'; root += std::wcslen(root) + 1) {
    drives.push_back(utf8Text(root));
  }
  const auto first = std::find(drives.begin(), drives.end(), systemDrive());
  if (first != drives.end()) std::rotate(drives.begin(), first, first + 1);
  return drives;
}

std::optional<std::vector<std::string>> WindowsFileSystem::subfolders(
    const std::string& folder) const {
  const auto names = shownEntries(folder, true);
  if (!names) return std::nullopt;
  const bool separated = !folder.empty() && (folder.back() == '\\' || folder.back() == '/');
  std::vector<std::string> paths;
  for (const std::wstring& name : *names) {
    paths.push_back(folder + (separated ? "" : "\\") + utf8Text(name));
  }
  sortForReading(paths);
  return paths;
}

std::optional<std::vector<std::string>> WindowsFileSystem::programs(
    const std::string& folder) const {
  const auto names = shownEntries(folder, false);
  if (!names) return std::nullopt;
  std::vector<std::string> programs;
  for (const std::wstring& name : *names) {
    if (hasProgramExtension(name)) programs.push_back(utf8Text(name));
  }
  sortForReading(programs);
  return programs;
}

}  // namespace reminder
