#include "platform/folder_listing.h"

#include "platform/reading_order.h"

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
  sortForReading(found);
  return found;
}

}  // namespace reminder
