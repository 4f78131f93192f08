#pragma once

#include <functional>
#include <memory>

namespace reminder {

// A repeating timer of the platform. While started it calls its tick every interval, never
// nested in a call of its own: a tick that falls due while the previous call has not returned
// (it waits in a modal box) is held back and comes once, however many fell due meanwhile,
// from the event loop right after that call returns; a stop or a restart drops it.
class PlatformTimer {
 public:
  virtual ~PlatformTimer() = default;
  // (Re)starts the timer: the first tick comes one interval from now.
  virtual void start(int intervalMs) = 0;
  // (Re)starts the timer ticking on the wall clock's multiples of the interval, counted from
  // the epoch. It is for a clock with seconds: its tick can change nothing between two
  // seconds, so a platform may deliver, after the first tick (which shows the time at once),
  // only the ticks that begin a second and leave out those in between. The Qt and Win32 ones
  // do, within a few milliseconds of each second, so an idle program wakes once a second
  // instead of ten times (virtual time delivers them all).
  // Either way a clock set by hand is followed from the next tick on.
  virtual void startOnClock(int intervalMs) = 0;
  virtual void stop() = 0;
};

class TimerService {
 public:
  virtual ~TimerService() = default;
  [[nodiscard]] virtual std::unique_ptr<PlatformTimer> create(std::function<void()> tick) = 0;
};

}  // namespace reminder
