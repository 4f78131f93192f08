#pragma once

#include <string>
#include <vector>

#include "platform/attention.h"

namespace reminder::test {

// Records the sounds played and the notices posted and withdrawn, in order: "sound",
// "post <summary>: <body>", "withdraw".
class RecordingAttention final : public Attention {
 public:
  void playTimeUpSound() override { events_.emplace_back("sound"); }
  void postNotice(const DesktopNotice& notice) override {
    events_.push_back("post " + notice.summary + ": " + notice.body);
  }
  void withdrawNotice() override { events_.emplace_back("withdraw"); }

  [[nodiscard]] const std::vector<std::string>& events() const { return events_; }
  void clear() { events_.clear(); }

 private:
  std::vector<std::string> events_;
};

}  // namespace reminder::test
