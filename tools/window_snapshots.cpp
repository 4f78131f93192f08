// Writes a PNG of each of the program's four windows, as they look when first shown:
//   window-snapshots OUTPUT_FOLDER
// Run it on the offscreen platform (QT_QPA_PLATFORM=offscreen) or on any display.
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <iostream>

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
#include "frontend/qt/view/form_window.h"
#include "frontend/qt/view/qt_view.h"
#include "system/immediate_exit.h"
#include "system/linux/boot_clock.h"
#include "system/linux/posix_file_system.h"

int main(int argc, char* argv[]) {
  using namespace reminder;
  QApplication application(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: window-snapshots OUTPUT_FOLDER\n";
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(out.path())) return 1;

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
  FreedesktopAttention attention("window-snapshots", "");
  LauncherEntryProgress progress("window-snapshots");
  Platform platform{timers, clock, regional,  dialogs,   commands, process,
                    files,  power, monotonic, attention, progress};
  Program program(platform, [&view](Form& form) { view.render(form); });
  program.start();

  Windows& windows = program.windows();
  const std::pair<Form*, const char*> shots[] = {{&windows.form1(), "Form1"},
                                                 {&windows.frmSplash(), "frmSplash"},
                                                 {&windows.form2(), "Form2"},
                                                 {&windows.form3(), "Form3"}};
  int failures = 0;
  // Let the clock tick once so the main window shows the time, as a user sees it.
  QTimer::singleShot(1200, [&] {
    for (const auto& [form, name] : shots) {
      form->show();
      QApplication::processEvents();
      const QString file = out.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
      if (!view.windowOf(*form)->grab().save(file)) ++failures;
      std::cout << file.toStdString() << '\n';
    }
    QApplication::exit(failures);
  });
  return QApplication::exec();
}
