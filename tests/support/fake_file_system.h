#pragma once

#include <map>
#include <set>

#include "platform/file_system.h"

namespace reminder::test {

// Folders and programs held in memory; a folder can be made unreadable.
class FakeFileSystem final : public FileSystem {
 public:
  [[nodiscard]] std::vector<std::string> drives() const override { return drives_; }
  [[nodiscard]] std::optional<std::vector<std::string>> subfolders(
      const std::string& folder) const override;
  [[nodiscard]] std::optional<std::vector<std::string>> programs(
      const std::string& folder) const override;
  [[nodiscard]] char separator() const override { return separator_; }

  void addDrive(const std::string& root) { drives_.push_back(root); }
  void addFolder(const std::string& parent, const std::string& folder) {
    folders_[parent].insert(folder);
  }
  void addProgram(const std::string& folder, const std::string& name) {
    programs_[folder].insert(name);
  }
  void makeUnreadable(const std::string& folder) { unreadable_.insert(folder); }
  // Paths written as on Windows ("C:\\Games").
  void useBackslash() { separator_ = '\\'; }

 private:
  std::vector<std::string> drives_;
  std::map<std::string, std::set<std::string>> folders_;
  std::map<std::string, std::set<std::string>> programs_;
  std::set<std::string> unreadable_;
  char separator_ = '/';
};

}  // namespace reminder::test
