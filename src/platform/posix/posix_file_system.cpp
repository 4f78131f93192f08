#include "platform/posix/posix_file_system.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>

namespace reminder {

namespace fs = std::filesystem;

std::vector<std::string> PosixFileSystem::drives() const { return {"/"}; }

std::optional<std::vector<std::string>> PosixFileSystem::subfolders(
    const std::string& folder) const {
  std::error_code error;
  fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
  if (error) return std::nullopt;
  std::vector<std::string> found;
  for (const fs::directory_entry& entry : it) {
    if (entry.is_directory(error)) found.push_back(entry.path().string());
  }
  std::sort(found.begin(), found.end());
  return found;
}

std::optional<std::vector<std::string>> PosixFileSystem::programs(
    const std::string& folder) const {
  std::error_code error;
  fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
  if (error) return std::nullopt;
  std::vector<std::string> found;
  for (const fs::directory_entry& entry : it) {
    if (entry.is_regular_file(error) && ::access(entry.path().c_str(), X_OK) == 0) {
      found.push_back(entry.path().filename().string());
    }
  }
  std::sort(found.begin(), found.end());
  return found;
}

}  // namespace reminder
