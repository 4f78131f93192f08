#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

#include "frontend/qt/freedesktop/dbus_signal_hook.h"
#include "frontend/qt/freedesktop/gnome_session_client.h"
#include "frontend/qt/freedesktop/logind_power.h"

namespace reminder {

// How long the desktop may take to end its session once asked: long enough for the user to
// answer its question about a program's unsaved work.
inline constexpr int kSessionEndBoundMs = 180'000;

// Powers off through the running desktop's session manager on the session bus, as the
// desktop's own Power Off does after its confirmation: GNOME's, KDE Plasma's or Xfce's, the
// first that answers, so every program with unsaved work is asked first. Only where none
// answers does LogindPower power off. A session manager that agreed ends the program with the
// session, so its yes comes only from GNOME's (which says when the session ends); one that
// cancels, or a session still running after `endBoundMs`, is a refusal.
class SessionManagerPower final : public Power {
 public:
  SessionManagerPower(ProcessWatcher& watcher, QString appId, int endBoundMs = kSessionEndBoundMs)
      : logind_(watcher), appId_(std::move(appId)), endBoundMs_(endBoundMs) {}

  void requestPowerOff(VerdictHandler handler) override;
  // The session manager's CanShutdown where it offers one, else logind's CanPowerOff.
  [[nodiscard]] PowerOffPermission powerOffPermission() override;

 private:
  // What one request holds while the session manager decides.
  struct Asking {
    QObject replies;  // the context of the awaited replies: they go with the request
    std::unique_ptr<DBusSignalHook> cancelHook;
    std::unique_ptr<GnomeSessionClient> client;
    QTimer bound;
    QTimer poll;
    bool shuttingDownSeen = false;
    bool decided = false;
  };

  void ask(std::size_t index);  // kSessionManagers[index], or logind past the last
  void requestShutdown(std::size_t index);
  // What a session manager's answer leads to: `then` when it agreed, the next session
  // manager when nobody answered, a refusal otherwise.
  void answered(std::size_t index, const QDBusError& error, const std::function<void()>& then);
  void awaitTheSessionsEnd(const SessionManager& manager);
  void pollShuttingDown(const SessionManager& manager);
  // From the event loop, so that no hook or client goes from inside its own call.
  void decideLater(const PowerOffVerdict& verdict);

  LogindPower logind_;
  QString appId_;
  int endBoundMs_;
  PowerOffWaiters waiters_;
  std::unique_ptr<Asking> asking_;
  QObject decisions_;
};

}  // namespace reminder
