#include "support/fake_file_system.h"

namespace reminder::test {

namespace {

std::optional<std::vector<std::string>> listing(
    const std::map<std::string, std::set<std::string>>& entries,
    const std::set<std::string>& unreadable, const std::string& folder) {
  if (unreadable.contains(folder)) return std::nullopt;
  const auto found = entries.find(folder);
  if (found == entries.end()) return std::vector<std::string>{};
  return std::vector<std::string>(found->second.begin(), found->second.end());
}

}  // namespace

std::optional<std::vector<std::string>> FakeFileSystem::subfolders(
    const std::string& folder) const {
  return listing(folders_, unreadable_, folder);
}

std::optional<std::vector<std::string>> FakeFileSystem::programs(const std::string& folder) const {
  return listing(programs_, unreadable_, folder);
}

}  // namespace reminder::test
