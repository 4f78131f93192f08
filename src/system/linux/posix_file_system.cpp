#include "system/linux/posix_file_system.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/folder_listing.h"

namespace reminder {

namespace fs = std::filesystem;

namespace {

// Kernel and service file systems that hold nothing a user would start a program from.
constexpr std::array<std::string_view, 20> kPseudoTypes{
    "proc",   "sysfs",      "tmpfs",    "devtmpfs",    "devpts",          "cgroup",     "cgroup2",
    "autofs", "securityfs", "debugfs",  "tracefs",     "configfs",        "fusectl",    "mqueue",
    "bpf",    "pstore",     "squashfs", "binfmt_misc", "fuse.gvfsd-fuse", "fuse.portal"};

constexpr std::array<std::string_view, 4> kUserPlaces{"/home", "/media", "/run/media", "/mnt"};

// The mount table writes blanks, tabs, newlines and backslashes in paths as octal escapes.
std::string unescapeMountPath(std::string_view field) {
  const auto isOctal = [](char c) { return c >= '0' && c <= '7'; };
  std::string path;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) &&
        isOctal(field[i + 2]) && isOctal(field[i + 3])) {
      path += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                (field[i + 3] - '0'));
      i += 3;
    } else {
      path += field[i];
    }
  }
  return path;
}

bool inUserPlace(const std::string& mountPoint) {
  return std::any_of(kUserPlaces.begin(), kUserPlaces.end(), [&](std::string_view place) {
    return mountPoint == place || mountPoint.starts_with(std::string(place) + '/');
  });
}

std::string homeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  if (const passwd* user = ::getpwuid(::getuid()); user != nullptr) return user->pw_dir;
  return {};
}

std::string readMountTable() {
  std::ifstream in("/proc/self/mounts");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool hidden(const fs::directory_entry& entry) {
  return entry.path().filename().string().starts_with('.');
}

}  // namespace

std::vector<std::string> browsableRoots(std::string_view mountTable, const std::string& home) {
  std::vector<std::string> roots{"/"};
  const auto add = [&roots](const std::string& root) {
    if (!root.empty() && std::find(roots.begin(), roots.end(), root) == roots.end()) {
      roots.push_back(root);
    }
  };
  add(home);
  std::istringstream lines{std::string(mountTable)};
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    std::string device;
    std::string mountPoint;
    std::string type;
    if (!(fields >> device >> mountPoint >> type)) continue;
    if (std::find(kPseudoTypes.begin(), kPseudoTypes.end(), type) != kPseudoTypes.end()) continue;
    const std::string path = unescapeMountPath(mountPoint);
    if (inUserPlace(path)) add(path);
  }
  return roots;
}

std::vector<std::string> PosixFileSystem::drives() const {
  return browsableRoots(readMountTable(), homeFolder());
}

std::optional<std::vector<std::string>> PosixFileSystem::subfolders(
    const std::string& folder) const {
  return listFolder(
      folder,
      [](const fs::directory_entry& entry) {
        std::error_code error;
        return !hidden(entry) && entry.is_directory(error);
      },
      [](const fs::directory_entry& entry) { return entry.path().string(); });
}

std::optional<std::vector<std::string>> PosixFileSystem::programs(const std::string& folder) const {
  return listFolder(
      folder,
      [](const fs::directory_entry& entry) {
        std::error_code error;
        return !hidden(entry) && entry.is_regular_file(error) &&
               ::access(entry.path().c_str(), X_OK) == 0;
      },
      [](const fs::directory_entry& entry) { return entry.path().filename().string(); });
}

}  // namespace reminder
