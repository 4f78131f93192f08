#pragma once

#include <optional>
#include <string>
#include <vector>

namespace reminder {

// What the program picker browses.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // The roots a user would browse, the first being where browsing starts.
  [[nodiscard]] virtual std::vector<std::string> drives() const = 0;
  // Full paths of the subfolders of `folder`, sorted; none when it cannot be read.
  [[nodiscard]] virtual std::optional<std::vector<std::string>> subfolders(
      const std::string& folder) const = 0;
  // Names of the programs in `folder`, sorted; none when it cannot be read.
  [[nodiscard]] virtual std::optional<std::vector<std::string>> programs(
      const std::string& folder) const = 0;
  // What stands between a folder and a name in a path.
  [[nodiscard]] virtual char separator() const { return '/'; }
};

}  // namespace reminder
