#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace reminder {

// The system command a command line starts with ("shutdown", "taskkill", in any letter case,
// with or without ".exe"), as its bare name; none when the line starts another program.
[[nodiscard]] std::optional<std::wstring_view> systemCommandName(std::wstring_view commandLine);

// NAME.exe in the system folder, the one place system commands come from: a "shutdown.exe"
// beside the program (unpacked into Downloads, say), in the current folder or on PATH never
// runs in its place.
[[nodiscard]] std::optional<std::wstring> systemCommandFile(std::wstring_view name);

}  // namespace reminder
