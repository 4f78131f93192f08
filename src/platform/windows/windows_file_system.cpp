#include "platform/windows/windows_file_system.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <filesystem>

#include "platform/folder_listing.h"

namespace reminder {

namespace fs = std::filesystem;

namespace {

// Paths cross this class as UTF-8; the system's narrow code page would lose letters.
fs::path pathOf(const std::string& utf8) {
  return {std::u8string(utf8.begin(), utf8.end())};
}

std::string utf8Of(const fs::path& path) {
  const std::u8string text = path.u8string();
  return {text.begin(), text.end()};
}

bool shown(const fs::directory_entry& entry) {
  const DWORD attributes = GetFileAttributesW(entry.path().c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

bool isProgramName(const fs::path& name) {
  std::wstring extension = name.extension().wstring();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
  return extension == L".exe";
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
  for (const std::wstring& root : roots) drives.push_back(utf8Of(fs::path(root)));
  return drives;
}

std::optional<std::vector<std::string>> WindowsFileSystem::subfolders(
    const std::string& folder) const {
  return listFolder(
      pathOf(folder),
      [](const fs::directory_entry& entry) {
        std::error_code error;
        return entry.is_directory(error) && shown(entry);
      },
      [](const fs::directory_entry& entry) { return utf8Of(entry.path()); });
}

std::optional<std::vector<std::string>> WindowsFileSystem::programs(
    const std::string& folder) const {
  return listFolder(
      pathOf(folder),
      [](const fs::directory_entry& entry) {
        std::error_code error;
        return entry.is_regular_file(error) && isProgramName(entry.path().filename()) &&
               shown(entry);
      },
      [](const fs::directory_entry& entry) { return utf8Of(entry.path().filename()); });
}

}  // namespace reminder
