#include <objbase.h>

#include "behaviour/app/program.h"
#include "frontend/win32/exit_clearing_notices.h"
#include "frontend/win32/notification_area.h"
#include "frontend/win32/view/win32_view.h"
#include "frontend/win32/win32_attention.h"
#include "frontend/win32/win32_dialogs.h"
#include "frontend/win32/win32_process_watcher.h"
#include "frontend/win32/win32_taskbar_progress.h"
#include "frontend/win32/win32_timer_service.h"
#include "program_identity.h"
#include "system/windows/wide_text.h"
#include "system/windows/windows_awake_hold.h"
#include "system/windows/windows_clock.h"
#include "system/windows/windows_command_starter.h"
#include "system/windows/windows_file_system.h"
#include "system/windows/windows_monotonic_clock.h"
#include "system/windows/windows_power.h"
#include "system/windows/windows_regional.h"

namespace {

int runProgram(HINSTANCE instance) {
  using namespace reminder;
  // The annotation service that gives the controls their accessible names, and the task bar,
  // are COM objects.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

  view::Win32View view(instance);
  Win32TimerService timers;
  WindowsClock clock;
  WindowsRegional regional;
  Win32Dialogs dialogs([&view](const Form* owner) { return view.dialogOwner(owner); });
  WindowsCommandStarter commands;
  NotificationArea notices(instance, wideText(REMINDER_PROGRAM_NAME));
  ExitClearingNotices process(notices);
  WindowsFileSystem files;
  Win32ProcessWatcher watcher;
  WindowsPower power(watcher);
  WindowsMonotonicClock monotonic;
  Win32Attention attention(notices);
  Win32TaskbarProgress progress;
  WindowsAwakeHold awake;
  Platform platform{timers, clock, regional,  dialogs,   commands, process,
                    files,  power, monotonic, attention, progress, awake};

  Program program(platform, [&view](Form& form) { view.render(form); });
  program.start();
  progress.attach(view.windowOf(program.windows().form1()));

  // Windows are only ever hidden; the program ends through Exit or an auto shutdown, both of
  // which end the process on the spot, or with the session.
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (view.preTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return static_cast<int>(message.wParam);
}

}  // namespace

// A service Windows could not set up is said, rather than a program that never reminds.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
  try {
    return runProgram(instance);
  } catch (const std::exception& error) {
    MessageBoxW(nullptr, reminder::wideText(error.what()).c_str(),
                reminder::wideText(REMINDER_PROGRAM_NAME).c_str(), MB_OK);
    return 1;
  }
}
