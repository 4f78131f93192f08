#include "frontend/qt/freedesktop/dbus_answer.h"

#include "platform/process_watcher.h"

namespace reminder {

namespace {

// The errors that say nobody is there to ask that, rather than that the answer is no.
bool nobodyAnswers(const QDBusError& error) {
  switch (error.type()) {
    case QDBusError::UnknownMethod:
    case QDBusError::ServiceUnknown:
    case QDBusError::NoServer:
    case QDBusError::Disconnected:
      return true;
    default:
      return error.name() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner");
  }
}

}  // namespace

void followAnswer(const QDBusError& error, const std::string& who, int boundMs,
                  const AnswerPaths& paths) {
  if (!error.isValid()) {
    paths.agreed();
  } else if (nobodyAnswers(error)) {
    paths.nobodyThere();
  } else if (error.type() == QDBusError::NoReply) {
    paths.refused({false, boundMs == kUntilTheSessionEnds ? who + " ended without an answer"
                                                          : noAnswer(who, boundMs).error});
  } else {
    paths.refused({false, who + " refused: " + error.message().toStdString()});
  }
}

}  // namespace reminder
