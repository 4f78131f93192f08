#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "frontend/win32/timer_window.h"
#include "platform/scheduled_timer.h"

namespace reminder {

// One timer of the Win32 timer service: woken by the timer window's waiter on the
// performance counter, the wall clock read from the precise system time.
class Win32Timer final : public ScheduledTimer {
 public:
  Win32Timer(std::shared_ptr<TimerWindow> window, std::function<void()> tick);
  ~Win32Timer() override;
  Win32Timer(const Win32Timer&) = delete;
  Win32Timer& operator=(const Win32Timer&) = delete;
  Win32Timer(Win32Timer&&) = delete;
  Win32Timer& operator=(Win32Timer&&) = delete;

 private:
  [[nodiscard]] std::int64_t steadyUs() const override;
  [[nodiscard]] std::int64_t wallUs() const override;
  void wakeAt(std::int64_t dueUs, std::uint64_t start) override;
  void cancelWake() override;
  void post(std::uint64_t start) override;

  std::shared_ptr<TimerWindow> window_;
  WPARAM id_;
};

}  // namespace reminder
