#pragma once

#include <string>
#include <vector>

#include "platform/attention.h"
#include "platform/taskbar_progress.h"

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

// Records what the task-bar button is told, in order: "30/120", "time up", "clear".
struct RecordingProgress final : TaskbarProgress {
  void show(int passed, int inAll) override {
    events.push_back(std::to_string(passed) + "/" + std::to_string(inAll));
  }
  void showTimeUp() override { events.emplace_back("time up"); }
  void clear() override { events.emplace_back("clear"); }
  std::vector<std::string> events;
};

}  // namespace reminder::test
