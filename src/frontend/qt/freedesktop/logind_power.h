#pragma once

#include <QObject>

#include "platform/command_power.h"

namespace reminder {

// Powers off through logind on the system bus (Manager.PowerOff without interaction, as
// desktop sessions do), and through "systemctl poweroff", then "shutdown -h now", where
// there is no system bus or no logind on it. Only logind's answer or a command's exit status
// of 0 counts as accepted.
class LogindPower final : public Power {
 public:
  explicit LogindPower(ProcessWatcher& watcher);

  void requestPowerOff(VerdictHandler handler) override;
  [[nodiscard]] bool poweringOff() const override { return waiters_.waiting(); }
  // logind's CanPowerOff, which it answers without asking anyone.
  [[nodiscard]] PowerOffPermission powerOffPermission() override;

 private:
  void withoutLogind();

  CommandPower commands_;
  PowerOffWaiters waiters_;
  QObject replies_;  // the context of logind's awaited answers
};

}  // namespace reminder
