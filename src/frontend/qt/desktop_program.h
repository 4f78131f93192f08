#pragma once

#include "behaviour/app/program.h"
#include "frontend/qt/freedesktop/desktop_awake_hold.h"
#include "frontend/qt/freedesktop/freedesktop_attention.h"
#include "frontend/qt/freedesktop/launcher_entry_progress.h"
#include "frontend/qt/freedesktop/session_manager_power.h"
#include "frontend/qt/qt_clock.h"
#include "frontend/qt/qt_command_starter.h"
#include "frontend/qt/qt_dialogs.h"
#include "frontend/qt/qt_process_watcher.h"
#include "frontend/qt/qt_regional.h"
#include "frontend/qt/qt_timer_service.h"
#include "frontend/qt/session_end.h"
#include "frontend/qt/view/qt_view.h"
#include "system/immediate_exit.h"
#include "system/linux/boot_clock.h"
#include "system/linux/posix_file_system.h"

namespace reminder {

// The program on a Linux desktop: the Qt view and every real service, wired into Program.
// Made after the QApplication; start() shows the main window.
class DesktopProgram {
 public:
  // The desktop's notices and task manager know the program by `desktopFileName`, which
  // names its icon too.
  DesktopProgram(const std::string& applicationName, const std::string& desktopFileName)
      : power_(watcher_, QString::fromStdString(desktopFileName)),
        attention_(applicationName, desktopFileName),
        progress_(desktopFileName),
        awake_(desktopFileName) {}

  void start() { program_.start(); }
  [[nodiscard]] Program& program() { return program_; }
  [[nodiscard]] view::QtView& view() { return view_; }

 private:
  view::QtView view_;
  QtTimerService timers_;
  QtClock clock_;
  QtRegional regional_;
  QtDialogs dialogs_{[this](const Form* owner) { return view_.dialogParent(owner); }};
  QtCommandStarter commands_;
  ImmediateExit process_;
  PosixFileSystem files_;
  QtProcessWatcher watcher_;
  SessionManagerPower power_;
  BootClock monotonic_;
  FreedesktopAttention attention_;
  LauncherEntryProgress progress_;
  DesktopAwakeHold awake_;
  Platform platform_{timers_, clock_, regional_,  dialogs_,   commands_, process_,
                     files_,  power_, monotonic_, attention_, progress_, awake_};
  Program program_{platform_, [this](Form& form) { view_.render(form); }};
  EndWithTheSession sessionEnd_{process_};
};

}  // namespace reminder
