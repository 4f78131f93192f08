#pragma once

#include <string_view>

namespace reminder {

// Letters alike whatever their case, as Windows compares file names.
[[nodiscard]] bool sameLetters(std::wstring_view a, std::wstring_view b);

// A name of a program file: something before an ".exe" in any letter case.
[[nodiscard]] bool hasProgramExtension(std::wstring_view name);

}  // namespace reminder
