#pragma once

#include <QDBusError>

namespace reminder {

// The errors that say nobody is there to ask, rather than that the answer is no.
[[nodiscard]] inline bool nobodyAnswers(const QDBusError& error) {
  switch (error.type()) {
    case QDBusError::ServiceUnknown:
    case QDBusError::NoServer:
    case QDBusError::Disconnected:
      return true;
    default:
      return error.name() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner");
  }
}

}  // namespace reminder
