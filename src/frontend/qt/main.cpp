#include <QApplication>
#include <QIcon>

#include "app/program.h"
#include "forms/credits.h"
#include "platform/native/immediate_exit.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_regional.h"
#include "platform/qt/qt_timer_service.h"
#include "platform/qt/view/caret_blink_timeout.h"
#include "platform/qt/view/qt_view.h"
#include "program_identity.h"

#ifdef _WIN32
#include "platform/windows/windows_command_starter.h"
#include "platform/windows/windows_file_system.h"
#include "platform/windows/windows_power.h"
using SystemCommandStarter = reminder::WindowsCommandStarter;
using SystemFileSystem = reminder::WindowsFileSystem;
using SystemPower = reminder::WindowsPower;
// Still to come with the Windows front end: a process watcher and a clock that counts sleep.
using SystemProcessWatcher = reminder::WindowsProcessWatcher;
using SystemMonotonicClock = reminder::WindowsMonotonicClock;
#else
#include "platform/freedesktop/freedesktop_attention.h"
#include "platform/posix/boot_clock.h"
#include "platform/posix/logind_power.h"
#include "platform/posix/posix_command_starter.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/qt_process_watcher.h"
using SystemCommandStarter = reminder::PosixCommandStarter;
using SystemFileSystem = reminder::PosixFileSystem;
using SystemPower = reminder::LogindPower;
using SystemProcessWatcher = reminder::QtProcessWatcher;
using SystemMonotonicClock = reminder::BootClock;
using DesktopAttention = reminder::FreedesktopAttention;
#endif

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
  SystemCommandStarter commands;
  ImmediateExit process;
  SystemFileSystem files;
  SystemProcessWatcher watcher;
  SystemPower power(watcher);
  SystemMonotonicClock monotonic;
  DesktopAttention attention(credits::kProgramName, REMINDER_DESKTOP_FILE_NAME);
  Platform platform{timers,  clock, regional, dialogs,   commands,
                    process, files, power,    monotonic, attention};

  Program program(platform, [&view](Form& form) { view.render(form); });
  program.start();
  return QApplication::exec();
}
