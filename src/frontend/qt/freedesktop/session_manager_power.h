#pragma once

#include <QDBusServiceWatcher>
#include <QObject>
#include <memory>

#include "frontend/qt/freedesktop/dbus_signal_hook.h"
#include "frontend/qt/freedesktop/gnome_session_client.h"
#include "frontend/qt/freedesktop/logind_power.h"

namespace reminder {

// Powers off through the running desktop's session manager on the session bus, as the
// desktop's own Power Off does: MATE's or Cinnamon's, GNOME's, KDE Plasma's or Xfce's, the
// first that runs, so every program with unsaved work is asked first. Only where none runs
// does LogindPower power off. A session manager that agreed ends the program with the
// session; a yes comes only when the session ends (GNOME's answer, MATE's and Cinnamon's
// Stop to their registered client). A cancel, or a session manager that goes without an
// answer, is a refusal. While the desktop asks (its dialog, another program's
// "Save?"), however long, the verdict waits: it never says "failed" of a shutdown that may
// still come.
class SessionManagerPower final : public Power {
 public:
  SessionManagerPower(ProcessWatcher& watcher, QString appId)
      : logind_(watcher), appId_(std::move(appId)) {}

  void requestPowerOff(VerdictHandler handler) override;
  [[nodiscard]] bool poweringOff() const override { return waiters_.waiting(); }
  // The session manager's CanShutdown where it offers one, else logind's CanPowerOff.
  [[nodiscard]] PowerOffPermission powerOffPermission() override;

 private:
  // What one request holds while the session manager decides.
  struct Asking {
    QObject replies;  // the context of the awaited replies: they go with the request
    std::unique_ptr<DBusSignalHook> cancelHook;
    std::unique_ptr<GnomeSessionClient> client;
    std::unique_ptr<QDBusServiceWatcher> helperGone;
    bool decided = false;
  };

  void ask(std::size_t index);     // kSessionManagers[index], or logind past the last
  void listen(std::size_t index);  // for the session manager's word on the session's end
  void requestShutdown(std::size_t index);
  // Its shutdown's helper has left the bus: cancelled, unless it still shuts down.
  void askShuttingDown(const SessionManager& manager);
  // From the event loop, so that no hook goes from inside its own call.
  void decideLater(const PowerOffVerdict& verdict);

  LogindPower logind_;
  QString appId_;
  PowerOffWaiters waiters_;
  std::unique_ptr<Asking> asking_;
  QObject decisions_;
};

}  // namespace reminder
