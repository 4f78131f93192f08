#include <QApplication>
#include <QIcon>

#include "frontend/qt/desktop_program.h"
#include "frontend/qt/view/caret_blink_timeout.h"
#include "model/forms/credits.h"
#include "program_identity.h"

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

  DesktopProgram desktop(credits::kProgramName, REMINDER_DESKTOP_FILE_NAME);
  desktop.start();
  return QApplication::exec();
}
