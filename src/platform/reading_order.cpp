#include "platform/reading_order.h"

#include <algorithm>
#include <cctype>

namespace reminder {

void sortForReading(std::vector<std::string>& names) {
  const auto folded = [](const std::string& s) {
    std::string lower = s;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
  };
  std::sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
    const std::string fa = folded(a);
    const std::string fb = folded(b);
    return fa != fb ? fa < fb : a < b;
  });
}

}  // namespace reminder
