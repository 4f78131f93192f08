// Writes a PNG of each of the program's four windows, as they look when first shown:
//   window-snapshots OUTPUT_FOLDER
// Run it on the offscreen platform (QT_QPA_PLATFORM=offscreen) or on any display.
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <iostream>

#include "frontend/qt/desktop_program.h"
#include "frontend/qt/view/form_window.h"

int main(int argc, char* argv[]) {
  using namespace reminder;
  QApplication application(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: window-snapshots OUTPUT_FOLDER\n";
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(out.path())) return 1;

  DesktopProgram desktop("window-snapshots", "");
  desktop.start();
  view::QtView& view = desktop.view();

  Windows& windows = desktop.program().windows();
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
