#include "frontend/qt/session_end.h"

#include <QEvent>
#include <QGuiApplication>
#include <QSessionManager>

namespace reminder {

EndWithTheSession::EndWithTheSession(ProcessControl& process) : process_(process) {
  QCoreApplication::instance()->installEventFilter(this);
  QObject::connect(qApp, &QGuiApplication::saveStateRequest, this, [](QSessionManager& session) {
    session.setRestartHint(QSessionManager::RestartNever);
  });
}

bool EndWithTheSession::eventFilter(QObject* watched, QEvent* event) {
  // The program itself never asks Qt to quit; the session does, when it ends.
  if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) {
    process_.endNow();
  }
  return false;
}

}  // namespace reminder
