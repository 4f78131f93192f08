#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "frontend/win32/timer_window.h"
#include "platform/timer_service.h"

namespace reminder {

// One timer of the Win32 timer service: a repeating one is due one interval after its last
// due time, not after its delivery; one on the clock waits for the precise system time's
// multiples of its interval.
class Win32Timer final : public PlatformTimer {
 public:
  Win32Timer(std::shared_ptr<TimerWindow> window, std::function<void()> tick);
  ~Win32Timer() override;
  Win32Timer(const Win32Timer&) = delete;
  Win32Timer& operator=(const Win32Timer&) = delete;
  Win32Timer(Win32Timer&&) = delete;
  Win32Timer& operator=(Win32Timer&&) = delete;

  void start(int intervalMs) override;
  void startOnClock(int intervalMs) override;
  void stop() override;

  // The waiter found this start's due time reached.
  void due(LPARAM start);
  void heldBackDue(LPARAM start);

 private:
  void restart(int intervalMs, bool onClock);
  void armForTarget(std::int64_t wall);
  void deliver();

  std::shared_ptr<TimerWindow> window_;
  std::function<void()> tick_;
  WPARAM id_;
  LPARAM start_ = 0;
  bool onClock_ = false;
  std::int64_t intervalUs_ = 1000;
  std::int64_t dueUs_ = 0;     // repeating: the due time the waiter is armed with
  std::int64_t targetUs_ = 0;  // on the clock: the wall clock's multiple waited for
  bool running_ = false;
  bool heldBack_ = false;
};

}  // namespace reminder
