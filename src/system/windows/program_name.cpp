#include "system/windows/program_name.h"

#include <cwctype>

namespace reminder {

bool sameLetters(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  }
  return true;
}

bool hasProgramExtension(std::wstring_view name) {
  constexpr std::wstring_view kExtension = L".exe";
  return name.size() > kExtension.size() &&
         sameLetters(name.substr(name.size() - kExtension.size()), kExtension);
}

}  // namespace reminder
