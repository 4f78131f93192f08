#include "platform/folder_listing.h"

#include <algorithm>
#include <cctype>

namespace reminder {

namespace fs = std::filesystem;

std::optional<std::vector<std::string>> listFolder(
    const fs::path& folder, const std::function<bool(const fs::directory_entry&)>& keep,
    const std::function<std::string(const fs::directory_entry&)>& name) {
  std::error_code error;
  fs::directory_iterator it(folder, error);
  if (error) return std::nullopt;
  std::vector<std::string> found;
  for (; it != fs::directory_iterator(); it.increment(error)) {
    if (keep(*it)) found.push_back(name(*it));
  }
  // A failed step ends the iteration as the last entry would: the list is not complete.
  if (error) return std::nullopt;
  const auto folded = [](const std::string& s) {
    std::string lower = s;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
  };
  std::sort(found.begin(), found.end(), [&](const std::string& a, const std::string& b) {
    const std::string fa = folded(a);
    const std::string fb = folded(b);
    return fa != fb ? fa < fb : a < b;
  });
  return found;
}

}  // namespace reminder
