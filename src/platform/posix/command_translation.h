#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace reminder {

using Argv = std::vector<std::string>;

// The program's system command lines, written as on Windows, as this system's commands:
// "shutdown -s -t 00" powers off through systemd, or through shutdown where systemctl cannot
// be started or refuses; "taskkill /im NAME" ends every process of exactly that name. The
// result lists the alternatives in the order to try them, each to its end until one succeeds;
// a single command is started and let go. None for any other line.
[[nodiscard]] std::optional<std::vector<Argv>> translateSystemCommand(std::string_view line);

}  // namespace reminder
