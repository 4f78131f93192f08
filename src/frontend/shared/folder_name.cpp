#include "frontend/shared/folder_name.h"

#include <string_view>

#include "model/controls/file_lists.h"

namespace reminder::presentation {

std::string folderName(const std::string& path) {
  std::string_view trimmed = path;
  if (trimmed.size() > 1 && isPathSeparator(trimmed.back())) trimmed.remove_suffix(1);
  const std::size_t cut = trimmed.find_last_of("/\\");
  const std::string_view part = cut == std::string_view::npos ? trimmed : trimmed.substr(cut + 1);
  return std::string(part.empty() || part.back() == ':' ? std::string_view(path) : part);
}

}  // namespace reminder::presentation
