#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "model/controls/form.h"
#include "platform/monotonic_clock.h"
#include "platform/timer_service.h"

namespace reminder {

// Drives the timers of the windows with the platform's timer service: a timer ticks while
// it is enabled with a non-zero interval, and restarts when its interval changes. A timer
// that catches up is fired once for every interval passed on the monotonic clock since it
// was started, so ticks slept through or delivered late are made up at the next one. Each
// tick tells its timer whether the computer slept since the previous one.
class TimerBinding {
 public:
  TimerBinding(TimerService& service, const MonotonicClock& clock)
      : service_(service), clock_(clock) {}
  void bind(Form& form);

 private:
  struct Driven {
    Timer* timer = nullptr;
    std::unique_ptr<PlatformTimer> driver;
    std::uint64_t run = 0;       // counts the starts, to tell a restart within a tick
    std::int64_t startedAt = 0;  // on the monotonic clock
    std::int64_t fired = 0;      // ticks handled since
    std::int64_t slept = 0;      // the time slept, at the start or the last tick
  };

  void sync(Driven& driven);
  void tick(Driven& driven);
  [[nodiscard]] std::int64_t slept() const { return clock_.nowMs() - clock_.awakeMs(); }

  TimerService& service_;
  const MonotonicClock& clock_;
  std::vector<std::unique_ptr<Driven>> driven_;
};

}  // namespace reminder
