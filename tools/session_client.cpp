// A program of the desktop session (X session protocol), for end-to-end tests: asked before
// the session ends, it takes its time, as a user answering "Save?" does, then cancels the end
// or lets it go. It writes "asked" to OUTPUT when asked.
// session-client OUTPUT cancel|agree SECONDS
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QSessionManager>
#include <QTimer>
#include <cstdlib>
#include <iostream>

int main(int argc, char* argv[]) {
  QGuiApplication application(argc, argv);
  if (argc != 4) {
    std::cerr << "usage: session-client OUTPUT cancel|agree SECONDS\n";
    return 2;
  }
  const bool cancel = QByteArray(argv[2]) == "cancel";
  const int holdMs = std::atoi(argv[3]) * 1000;
  const QString output = QString::fromLocal8Bit(argv[1]);
  application.setQuitOnLastWindowClosed(false);
  QObject::connect(&application, &QGuiApplication::commitDataRequest,
                   [&](QSessionManager& session) {
                     QFile asked(output);
                     if (asked.open(QIODevice::WriteOnly)) asked.write("asked\n");
                     if (!session.allowsInteraction()) return;
                     QEventLoop holding;
                     QTimer::singleShot(holdMs, &holding, &QEventLoop::quit);
                     holding.exec();
                     // Releasing after a cancel would tell the session manager "done, go on"
                     // first, and it may end the session before the cancel arrives.
                     if (cancel) {
                       session.cancel();
                     } else {
                       session.release();
                     }
                   });
  return QGuiApplication::exec();
}
