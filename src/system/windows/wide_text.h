#pragma once

#include <string>
#include <string_view>

namespace reminder {

// The program's texts are UTF-8; Windows' own functions take and give UTF-16.
[[nodiscard]] std::wstring wideText(std::string_view utf8);
[[nodiscard]] std::string utf8Text(std::wstring_view wide);

}  // namespace reminder
