#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace reminder {

using Argv = std::vector<std::string>;

// The program's system command lines, written as on Windows, as this system's commands:
// "taskkill /im NAME" ends every process of exactly that name. None for any other line
// (powering off is not a command line here: see LogindPower).
[[nodiscard]] std::optional<Argv> translateSystemCommand(std::string_view line);

}  // namespace reminder
