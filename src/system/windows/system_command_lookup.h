#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace reminder {

// The system command a command line starts with ("shutdown", "taskkill", in any letter case,
// with or without ".exe"), as its bare name; none when the line starts another program.
[[nodiscard]] std::optional<std::wstring_view> systemCommandName(std::wstring_view commandLine);

// NAME.exe in the first of `folders` that has it. Looking only there keeps a downloaded
// "shutdown.exe" in the current folder, or one earlier on PATH, from running in its place.
[[nodiscard]] std::optional<std::wstring> findProgramFile(std::wstring_view name,
                                                          const std::vector<std::wstring>& folders);

// Where system commands are looked for: the program's own folder, then the system folder.
[[nodiscard]] std::vector<std::wstring> systemCommandFolders();

}  // namespace reminder
