#pragma once

#include "platform/file_system.h"

namespace reminder {

// The file systems a user browses on this machine: the root, home and removable media.
class PosixFileSystem final : public FileSystem {
 public:
  [[nodiscard]] std::vector<std::string> drives() const override;
  [[nodiscard]] std::optional<std::vector<std::string>> subfolders(
      const std::string& folder) const override;
  [[nodiscard]] std::optional<std::vector<std::string>> programs(
      const std::string& folder) const override;
};

}  // namespace reminder
