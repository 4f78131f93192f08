#include "system/windows/windows_command_starter.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "system/windows/system_command_lookup.h"
#include "system/windows/wide_text.h"

namespace reminder {

StartOutcome WindowsCommandStarter::start(const std::string& commandLine, WindowStyle style) {
  // CreateProcessW may write into the command line, so it gets its own writable copy.
  std::wstring line = wideText(commandLine);
  if (line.empty()) return {false, "the command line is empty"};
  // A system command runs from its own file, found where only the system puts it; the
  // command line itself goes to it unchanged.
  std::wstring program;
  if (const auto name = systemCommandName(line)) {
    const auto file = findProgramFile(*name, systemCommandFolders());
    if (!file) {
      return {false, utf8Text(*name) +
                         ".exe is neither in the program's folder nor in the "
                         "system folder"};
    }
    program = *file;
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(
      style == WindowStyle::MinimizedWithFocus ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
  PROCESS_INFORMATION process{};
  if (CreateProcessW(program.empty() ? nullptr : program.c_str(), line.data(), nullptr, nullptr,
                     FALSE, 0, nullptr, nullptr, &startup, &process) == 0) {
    return {false, "CreateProcess failed with error " + std::to_string(GetLastError())};
  }
  // Started programs are never watched: let go of them at once.
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return {true, {}};
}

}  // namespace reminder
