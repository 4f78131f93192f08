#pragma once

#include "platform/process_control.h"

namespace reminder::test {

// Thrown where the real program would end on the spot; it unwinds to the test.
struct ProcessEnded {};

class FakeProcess final : public ProcessControl {
 public:
  [[noreturn]] void endNow() override {
    ended_ = true;
    throw ProcessEnded{};
  }
  [[nodiscard]] bool ended() const { return ended_; }

 private:
  bool ended_ = false;
};

}  // namespace reminder::test
