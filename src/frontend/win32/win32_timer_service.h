#pragma once

#include <memory>

#include "platform/timer_service.h"

namespace reminder {

class TimerWindow;

// Timers of the thread that makes the service (the user interface's), delivered by whatever
// message loop runs there, a message box's too. Each tick is scheduled against its due time
// on the performance counter and waited for with a high-resolution waitable timer, so the
// system's timer tick (about 15.6 ms, to which SetTimer rounds every interval up) never adds
// up over a long countdown. A tick that falls due while the previous call still runs (in a
// modal box) is held back and delivered once, right after that call returns.
class Win32TimerService final : public TimerService {
 public:
  Win32TimerService();
  ~Win32TimerService() override;
  Win32TimerService(const Win32TimerService&) = delete;
  Win32TimerService& operator=(const Win32TimerService&) = delete;
  Win32TimerService(Win32TimerService&&) = delete;
  Win32TimerService& operator=(Win32TimerService&&) = delete;

  [[nodiscard]] std::unique_ptr<PlatformTimer> create(std::function<void()> tick) override;

 private:
  std::shared_ptr<TimerWindow> window_;
};

}  // namespace reminder
