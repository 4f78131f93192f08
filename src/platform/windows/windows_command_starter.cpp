#include "platform/windows/windows_command_starter.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace reminder {

namespace {

std::wstring wide(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring result(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), result.data(), size);
  return result;
}

}  // namespace

StartOutcome WindowsCommandStarter::start(const std::string& commandLine, WindowStyle style) {
  // CreateProcessW may write into the command line, so it gets its own writable copy.
  std::wstring line = wide(commandLine);
  if (line.empty()) return {false, "the command line is empty"};
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(
      style == WindowStyle::MinimizedWithFocus ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
  PROCESS_INFORMATION process{};
  if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                     &process) == 0) {
    return {false, "CreateProcess failed with error " + std::to_string(GetLastError())};
  }
  // Started programs are never watched: let go of them at once.
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return {true, {}};
}

}  // namespace reminder
