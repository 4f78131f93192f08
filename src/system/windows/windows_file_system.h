#pragma once

#include "platform/file_system.h"

namespace reminder {

// The drives of this computer, the system drive first, and in each folder its subfolders and
// its programs ("*.exe"). Hidden and system entries are left out, as Explorer leaves them
// out. Paths are UTF-8, written with backslashes.
class WindowsFileSystem final : public FileSystem {
 public:
  [[nodiscard]] std::vector<std::string> drives() const override;
  [[nodiscard]] std::optional<std::vector<std::string>> subfolders(
      const std::string& folder) const override;
  [[nodiscard]] std::optional<std::vector<std::string>> programs(
      const std::string& folder) const override;
  [[nodiscard]] char separator() const override { return '\\'; }
};

}  // namespace reminder
