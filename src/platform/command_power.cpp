#include "platform/command_power.h"

namespace reminder {

namespace {

std::string howItEnded(const std::string& commandLine, const ProcessEnd& end) {
  if (end.timedOut) return end.error;
  if (!end.started) return commandLine + ": " + end.error;
  const std::string status = end.exitCode < 0 ? std::string("did not end normally")
                                              : "ended with status " + std::to_string(end.exitCode);
  return commandLine + " " + status + (end.error.empty() ? "" : ": " + end.error);
}

}  // namespace

void CommandPower::requestPowerOff(VerdictHandler handler) {
  if (waiters_.add(std::move(handler))) tryCommand(0, {});
}

void CommandPower::tryCommand(std::size_t index, std::string reasons) {
  if (index == commandLines_.size()) {
    waiters_.decide({false, reasons.empty() ? "no command to power off with" : reasons});
    return;
  }
  const std::string& line = commandLines_[index];
  watcher_.run(line, [this, index, line, reasons](const ProcessEnd& end) {
    if (end.started && end.exitCode == 0) {
      waiters_.decide({true, {}});
      return;
    }
    tryCommand(index + 1, reasons + (reasons.empty() ? "" : "; ") + howItEnded(line, end));
  });
}

}  // namespace reminder
