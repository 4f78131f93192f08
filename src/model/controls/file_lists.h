#pragma once

#include <vector>

#include "model/controls/control.h"
#include "model/controls/visitor.h"

namespace reminder {

// Paths may be written with either separator: a Windows path takes both.
[[nodiscard]] constexpr bool isPathSeparator(char c) {
  return c == '/' || c == '\\';
}

// The drive list: the roots a user can browse. Choosing another drive, by the user or by
// code, raises Change.
class DriveList final : public Control {
 public:
  using Control::Control;
  void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

  [[nodiscard]] const std::vector<std::string>& drives() const { return drives_; }
  void setDrives(std::vector<std::string> drives);

  [[nodiscard]] const std::string& drive() const { return drive_; }
  void setDrive(std::string drive);

  Handler onChange;

 private:
  std::vector<std::string> drives_;
  std::string drive_;
};

// The folder list: the open folder with the folders above it, and the subfolders it holds.
// Opening another folder, by the user or by code, raises Change.
class DirList final : public Control {
 public:
  using Control::Control;
  void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

  // The open folder; it ends with a separator only when it is a root ("/", "C:\").
  [[nodiscard]] const std::string& path() const { return path_; }
  void setPath(std::string path);

  // Full paths from the root down to the open folder, the open folder last: what the list
  // shows above the subfolders, so that the user can go up.
  [[nodiscard]] std::vector<std::string> openFolders() const;

  // Full paths of the subfolders of `path`, in the order shown.
  [[nodiscard]] const std::vector<std::string>& subfolders() const { return subfolders_; }
  void setSubfolders(std::vector<std::string> subfolders);

  Handler onChange;

 private:
  std::string path_;
  std::vector<std::string> subfolders_;
};

// The file list: the programs in one folder. Selecting a file raises Click.
class FileList final : public Control {
 public:
  using Control::Control;
  void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

  // Pointing the list at another folder drops the selection, which named a file there.
  [[nodiscard]] const std::string& path() const { return path_; }
  void setPath(std::string path);

  [[nodiscard]] const std::vector<std::string>& files() const { return files_; }
  void setFiles(std::vector<std::string> files);

  // The selected file's name, without its folder; empty when none is selected.
  [[nodiscard]] const std::string& fileName() const { return fileName_; }
  void setFileName(std::string name);

  // The user selected `name` in the list.
  void select(std::string name);

  std::string pattern;
  Handler onClick;

 private:
  std::string path_;
  std::vector<std::string> files_;
  std::string fileName_;
};

}  // namespace reminder
