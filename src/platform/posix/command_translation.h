#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace reminder {

using Argv = std::vector<std::string>;

// The program's system command lines, written as on Windows, as this system's commands:
// "shutdown -s -t 00" powers off through systemd, or through shutdown where systemctl cannot
// be started; "taskkill /im NAME" ends every process of exactly that name. The result lists
// the alternatives in the order to try them; none for any other line.
[[nodiscard]] std::optional<std::vector<Argv>> translateSystemCommand(std::string_view line);

}  // namespace reminder
