#pragma once

#include <vector>

#include "controls/control.h"
#include "controls/visitor.h"

namespace reminder {

// The drive list: the roots a user can browse. Choosing another drive raises Change.
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

// The folder list: the open folder's path and the subfolders it holds. Opening another
// folder raises Change.
class DirList final : public Control {
 public:
  using Control::Control;
  void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

  [[nodiscard]] const std::string& path() const { return path_; }
  void setPath(std::string path);

  // Full paths of the subfolders of `path`, in the order shown.
  [[nodiscard]] const std::vector<std::string>& subfolders() const { return subfolders_; }
  void setSubfolders(std::vector<std::string> subfolders);

  Handler onChange;

 private:
  std::string path_;
  std::vector<std::string> subfolders_;
};

// The file list: the names of the files in one folder that the pattern admits. Selecting a
// file raises Click.
class FileList final : public Control {
 public:
  using Control::Control;
  void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

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
