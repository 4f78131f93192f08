#pragma once

#include <functional>
#include <memory>

namespace reminder {

// A repeating timer of the platform. While started it calls its tick every interval; a tick
// whose previous call has not returned yet (waiting in a modal box) is not delivered.
class PlatformTimer {
 public:
  virtual ~PlatformTimer() = default;
  // (Re)starts the timer: the first tick comes one interval from now.
  virtual void start(int intervalMs) = 0;
  // (Re)starts the timer ticking on the wall clock's multiples of the interval, counted from
  // the epoch (within a few milliseconds); a clock set by hand is followed from the next
  // tick on.
  virtual void startOnClock(int intervalMs) = 0;
  virtual void stop() = 0;
};

class TimerService {
 public:
  virtual ~TimerService() = default;
  [[nodiscard]] virtual std::unique_ptr<PlatformTimer> create(std::function<void()> tick) = 0;
};

}  // namespace reminder
