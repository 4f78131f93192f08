#pragma once

#include "platform/command_power.h"

namespace reminder {

// Windows powers off with its own command line as it stands. What the front end adds is the
// watcher: it starts the line minimised and reports its exit code from the message loop.
class WindowsPower final : public Power {
 public:
  static constexpr const char* kPowerOffCommand = "shutdown -s -t 00";

  explicit WindowsPower(ProcessWatcher& watcher) : commands_(watcher, {kPowerOffCommand}) {}

  void requestPowerOff(VerdictHandler handler) override {
    commands_.requestPowerOff(std::move(handler));
  }
  [[nodiscard]] bool poweringOff() const override { return commands_.poweringOff(); }
  [[nodiscard]] PowerOffPermission powerOffPermission() override {
    return commands_.powerOffPermission();
  }

 private:
  CommandPower commands_;
};

}  // namespace reminder
