#pragma once

#include <memory>
#include <vector>

#include "controls/form.h"
#include "platform/timer_service.h"

namespace reminder {

// Drives the timers of the windows with the platform's timer service: a timer ticks while
// it is enabled with a non-zero interval, and restarts when its interval changes.
class TimerBinding {
 public:
  explicit TimerBinding(TimerService& service) : service_(service) {}
  void bind(Form& form);

 private:
  TimerService& service_;
  std::vector<std::unique_ptr<PlatformTimer>> timers_;
};

}  // namespace reminder
