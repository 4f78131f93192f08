#include "model/controls/file_lists.h"

namespace reminder {

void DriveList::setDrives(std::vector<std::string> drives) {
  drives_ = std::move(drives);
  notify(Property::Items);
}

void DriveList::setDrive(std::string drive) {
  if (drive_ == drive) return;
  drive_ = std::move(drive);
  notify(Property::Selection);
  if (onChange) onChange();
}

void DirList::setPath(std::string path) {
  if (path_ == path) return;
  path_ = std::move(path);
  notify(Property::Path);
  if (onChange) onChange();
}

std::vector<std::string> DirList::openFolders() const {
  // The root keeps its separator ("/", "C:\"); every folder below it ends before one.
  if (path_.empty()) return {};
  const std::size_t rootEnd = path_.find_first_of("/\\");
  if (rootEnd == std::string::npos) return {path_};
  std::vector<std::string> chain{path_.substr(0, rootEnd + 1)};
  for (std::size_t i = rootEnd + 1; i <= path_.size(); ++i) {
    if (i < path_.size() && !isPathSeparator(path_[i])) continue;
    if (!isPathSeparator(path_[i - 1])) chain.push_back(path_.substr(0, i));
  }
  return chain;
}

void DirList::setSubfolders(std::vector<std::string> subfolders) {
  subfolders_ = std::move(subfolders);
  notify(Property::Items);
}

void FileList::setPath(std::string path) {
  if (path_ == path) return;
  path_ = std::move(path);
  setFileName("");
  notify(Property::Path);
}

void FileList::setFiles(std::vector<std::string> files) {
  files_ = std::move(files);
  notify(Property::Items);
}

void FileList::setFileName(std::string name) {
  if (fileName_ == name) return;
  fileName_ = std::move(name);
  notify(Property::Selection);
}

void FileList::select(std::string name) {
  if (!enabled() || !visible()) return;
  setFileName(std::move(name));
  if (onClick) onClick();
}

}  // namespace reminder
