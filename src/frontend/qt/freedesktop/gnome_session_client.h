#pragma once

#include <QDBusError>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "frontend/qt/freedesktop/dbus_signal_hook.h"

namespace reminder {

// The program as a client registered with MATE's or Cinnamon's session manager (GNOME's
// interface) for one shutdown, which is how those tell a client that the end of the session
// was cancelled. It agrees at once to every end of the session, so it never holds one up.
// Unregisters when destroyed.
class GnomeSessionClient {
 public:
  struct Events {
    std::function<void(const QDBusError&)> registered;  // no error: registered
    std::function<void()> sessionEnds;                  // the program is to end now
    std::function<void()> cancelled;
  };

  GnomeSessionClient(const QString& appId, Events events);
  ~GnomeSessionClient();
  GnomeSessionClient(const GnomeSessionClient&) = delete;
  GnomeSessionClient& operator=(const GnomeSessionClient&) = delete;

 private:
  void listen(const QString& path);
  // Tells the manager that the program agrees.
  void agree();

  Events events_;
  QString path_;
  QObject replies_;  // the context of the awaited replies: they go with the client
  std::vector<std::unique_ptr<DBusSignalHook>> hooks_;
};

}  // namespace reminder
