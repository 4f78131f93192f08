#pragma once

#include <string_view>

#include "platform/file_system.h"

namespace reminder {

// The file systems a user browses on this machine: the root, home and removable media.
// Programs are the files the user may execute; hidden entries (".name") are left out.
class PosixFileSystem final : public FileSystem {
 public:
  [[nodiscard]] std::vector<std::string> drives() const override;
  [[nodiscard]] std::optional<std::vector<std::string>> subfolders(
      const std::string& folder) const override;
  [[nodiscard]] std::optional<std::vector<std::string>> programs(
      const std::string& folder) const override;
};

// The roots to offer, from a mount table written as /proc/self/mounts writes it: the root
// first, then the home folder, then the real file systems mounted under /home, /media,
// /run/media or /mnt, in the table's order, each once.
[[nodiscard]] std::vector<std::string> browsableRoots(std::string_view mountTable,
                                                      const std::string& home);

}  // namespace reminder
