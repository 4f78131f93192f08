#include <objbase.h>

#include "app/program.h"
#include "platform/native/immediate_exit.h"
#include "platform/win32/view/win32_view.h"
#include "platform/win32/win32_attention.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_monotonic_clock.h"
#include "platform/win32/win32_process_watcher.h"
#include "platform/win32/win32_regional.h"
#include "platform/win32/win32_timer_service.h"
#include "platform/windows/windows_command_starter.h"
#include "platform/windows/windows_file_system.h"
#include "platform/windows/windows_power.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
  using namespace reminder;
  // The annotation service that gives the controls their accessible names is a COM object.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

  view::Win32View view(instance);
  Win32TimerService timers;
  Win32Clock clock;
  Win32Regional regional;
  Win32Dialogs dialogs([&view](const Form* owner) { return view.dialogOwner(owner); });
  WindowsCommandStarter commands;
  ImmediateExit process;
  WindowsFileSystem files;
  Win32ProcessWatcher watcher;
  WindowsPower power(watcher);
  Win32MonotonicClock monotonic;
  Win32Attention attention;
  Platform platform{timers,  clock, regional, dialogs,   commands,
                    process, files, power,    monotonic, attention};

  Program program(platform, [&view](Form& form) { view.render(form); });
  program.start();

  // Windows are only ever hidden; the program ends through Exit or an auto shutdown, both of
  // which end the process on the spot.
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (view.preTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return static_cast<int>(message.wParam);
}
