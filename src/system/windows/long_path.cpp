#include "system/windows/long_path.h"

#include <algorithm>

namespace reminder {

namespace {

constexpr std::size_t kLongFrom = 248;

bool isDrivePath(std::wstring_view path) {
  return path.size() >= 3 && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/');
}

}  // namespace

std::wstring extendedPath(std::wstring_view path) {
  std::wstring result(path);
  if (path.size() < kLongFrom || path.starts_with(L"\\\\?\\")) return result;
  // Under the prefix the system takes the path as it stands: no "/" for "\".
  std::replace(result.begin(), result.end(), L'/', L'\\');
  if (isDrivePath(result)) return L"\\\\?\\" + result;
  if (result.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + result.substr(2);
  return result;
}

}  // namespace reminder
