#include "system/windows/windows_command_starter.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "system/windows/process_start.h"

namespace reminder {

StartOutcome WindowsCommandStarter::start(const std::string& commandLine, WindowStyle style) {
  const StartedProcess started = startProcess(
      commandLine, style == WindowStyle::MinimizedWithFocus ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
  if (started.process == nullptr) return {false, started.error};
  // Started programs are never watched: let go of them at once.
  CloseHandle(started.process);
  return {true, {}};
}

}  // namespace reminder
