#pragma once

#include <string>
#include <vector>

#include "platform/awake_hold.h"

namespace reminder::test {

// Records each change of what keeps the computer awake: "hold <reason>", "release".
struct RecordingAwakeHold final : AwakeHold {
  void hold(const std::string& reason) override {
    if (reason != held) events.push_back("hold " + reason);
    held = reason;
  }
  void release() override {
    if (!held.empty()) events.emplace_back("release");
    held.clear();
  }
  std::string held;  // the reason held, empty while nothing is
  std::vector<std::string> events;
};

}  // namespace reminder::test
