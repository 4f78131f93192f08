#pragma once

#include <string>
#include <string_view>

namespace reminder {

// A full path as the system's wide functions take it at any length: from 248 characters on
// (where a folder's own name and "\*" would pass the old limit of 260) a drive path gets the
// "\\?\" prefix and a share's "\\?\UNC\", under which Windows lifts that limit; shorter paths,
// relative ones and those prefixed already stay as they are.
[[nodiscard]] std::wstring extendedPath(std::wstring_view path);

}  // namespace reminder
