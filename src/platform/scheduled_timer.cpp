#include "platform/scheduled_timer.h"

#include <algorithm>
#include <numeric>

#include "platform/tick_schedule.h"

namespace reminder {

namespace {

constexpr std::int64_t kUsPerMs = 1000;
constexpr std::int64_t kUsPerSecond = 1000 * kUsPerMs;
// A wake on the clock that finds the wall clock this little before its multiple waits for
// the rest: delivered, it could only show the old second once more. The steady clock the
// wait runs on and the wall clock drift apart by far less over a second, but a wake may be
// rounded to the system's timer tick (about 15.6 ms on Windows); the bound only matters for
// a clock set back by less than it, whose next second then comes that much later.
constexpr std::int64_t kEarlyWakeUs = 50 * kUsPerMs;

}  // namespace

void ScheduledTimer::start(int intervalMs) {
  restart(intervalMs, false);
  dueUs_ = steadyUs() + intervalUs_;
  wakeAt(dueUs_, start_);
}

// The first tick comes at the interval's next multiple, so a clock shows the time at once;
// after it only the multiples that begin a second (every second for 100 ms), so an idle
// clock wakes once a second.
void ScheduledTimer::startOnClock(int intervalMs) {
  restart(intervalMs, true);
  const std::int64_t wall = wallUs();
  targetUs_ = clockStep(wall, intervalUs_, wall, 0).target;
  intervalUs_ = std::lcm(intervalUs_, kUsPerSecond);
  wakeForTarget(wall);
}

void ScheduledTimer::stop() {
  ++start_;
  heldBack_ = false;
  cancelWake();
}

void ScheduledTimer::woke(std::uint64_t start) {
  if (start != start_) return;  // woken for a start since stopped or restarted
  // The next wake is armed before the tick runs, so a tick waiting in a modal box keeps
  // the rhythm.
  if (onClock_) {
    // Read afresh, so a clock set by hand is followed from this tick on.
    const std::int64_t wall = wallUs();
    const ClockStep step = clockStep(targetUs_, intervalUs_, wall, kEarlyWakeUs);
    targetUs_ = step.target;
    wakeForTarget(wall);
    if (!step.deliver) return;
  } else {
    dueUs_ = nextRepeatDue(dueUs_, intervalUs_, steadyUs());
    wakeAt(dueUs_, start_);
  }
  deliver();
}

void ScheduledTimer::heldBackDue(std::uint64_t start) {
  if (start == start_) deliver();
}

void ScheduledTimer::restart(int intervalMs, bool onClock) {
  ++start_;
  heldBack_ = false;
  onClock_ = onClock;
  intervalUs_ = std::max(1, intervalMs) * kUsPerMs;
}

void ScheduledTimer::wakeForTarget(std::int64_t wall) {
  wakeAt(steadyUs() + (targetUs_ - wall), start_);
}

void ScheduledTimer::deliver() {
  // A tick waiting in a modal box is still running: the next waits for it, and comes once.
  if (running_) {
    heldBack_ = true;
    return;
  }
  running_ = true;
  tick_();
  running_ = false;
  if (heldBack_) {
    heldBack_ = false;
    post(start_);
  }
}

}  // namespace reminder
