#pragma once

#include <QObject>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/awake_hold.h"

namespace reminder {

// Keeps the computer from suspending on its own through the first of the desktop's own
// inhibitors that is running and answers: the portal's (org.freedesktop.portal.Inhibit,
// suspend), GNOME's session manager's (suspend), the power manager's of Plasma and Xfce
// (org.freedesktop.PowerManagement.Inhibit), else logind's "idle" block lock, which holds
// only logind's own idle action. Never a "sleep" lock: the user's own suspend goes through.
// Each is the service's for as long as this process's bus connection (or, for logind, the
// descriptor it hands out) lives, so a killed program holds nothing. Nothing waits: each
// answer comes later from the event loop; where none answers, nothing is held.
class DesktopAwakeHold final : public AwakeHold {
 public:
  // `appId`: the desktop entry's name without ".desktop", which the services show.
  explicit DesktopAwakeHold(const std::string& appId);

  void hold(const std::string& reason) override;
  void release() override;

  // How a service lets go of what it gave: called once.
  using LetGo = std::function<void()>;

 private:
  void ask(std::size_t way);

  QString appId_;
  std::string reason_;        // what is held, or asked for; empty while nothing is
  std::uint64_t asking_ = 0;  // counts the holds and releases, to tell an answer out of date
  LetGo letGo_;
  QObject answers_;  // what the answers awaited belong to: none comes after this is gone
};

}  // namespace reminder
