#pragma once

#include <string>
#include <vector>

#include "platform/power_off_waiters.h"
#include "platform/process_watcher.h"

namespace reminder {

// Powers off through system commands, tried in order until one exits with 0: a command that
// cannot be started, fails, is killed, or gives no answer within the watcher's bound (one
// waiting for a password, say) leads to the next, and when none is left to a refusal naming
// what each did.
class CommandPower final : public Power {
 public:
  CommandPower(ProcessWatcher& watcher, std::vector<std::string> commandLines)
      : watcher_(watcher), commandLines_(std::move(commandLines)) {}

  void requestPowerOff(VerdictHandler handler) override;
  [[nodiscard]] bool poweringOff() const override { return waiters_.waiting(); }
  // Commands give no answer before they are run.
  [[nodiscard]] PowerOffPermission powerOffPermission() override {
    return PowerOffPermission::Unknown;
  }

 private:
  void tryCommand(std::size_t index, std::string reasons);

  ProcessWatcher& watcher_;
  std::vector<std::string> commandLines_;
  PowerOffWaiters waiters_;
};

}  // namespace reminder
