#include <QApplication>
#include <QIcon>

#include "behaviour/app/program.h"
#include "frontend/qt/freedesktop/freedesktop_attention.h"
#include "frontend/qt/freedesktop/launcher_entry_progress.h"
#include "frontend/qt/freedesktop/logind_power.h"
#include "frontend/qt/posix_command_starter.h"
#include "frontend/qt/qt_clock.h"
#include "frontend/qt/qt_dialogs.h"
#include "frontend/qt/qt_process_watcher.h"
#include "frontend/qt/qt_regional.h"
#include "frontend/qt/qt_timer_service.h"
#include "frontend/qt/view/caret_blink_timeout.h"
#include "frontend/qt/view/qt_view.h"
#include "model/forms/credits.h"
#include "program_identity.h"
#include "system/immediate_exit.h"
#include "system/linux/boot_clock.h"
#include "system/linux/posix_file_system.h"

int main(int argc, char* argv[]) {
  using namespace reminder;
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(credits::kProgramName));
  QApplication::setApplicationVersion(QString::fromLatin1(credits::kVersion));
  QApplication::setDesktopFileName(QStringLiteral(REMINDER_DESKTOP_FILE_NAME));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
  // Windows are only ever hidden; the program ends through Exit or an auto shutdown.
  QApplication::setQuitOnLastWindowClosed(false);
  const view::CaretBlinkTimeout caretBlinkTimeout;

  view::QtView view;
  QtTimerService timers;
  QtClock clock;
  QtRegional regional;
  QtDialogs dialogs([&view](const Form* owner) { return view.dialogParent(owner); });
  PosixCommandStarter commands;
  ImmediateExit process;
  PosixFileSystem files;
  QtProcessWatcher watcher;
  LogindPower power(watcher);
  BootClock monotonic;
  FreedesktopAttention attention(credits::kProgramName, REMINDER_DESKTOP_FILE_NAME);
  LauncherEntryProgress progress(REMINDER_DESKTOP_FILE_NAME);
  Platform platform{timers, clock, regional,  dialogs,   commands, process,
                    files,  power, monotonic, attention, progress};

  Program program(platform, [&view](Form& form) { view.render(form); });
  program.start();
  return QApplication::exec();
}
