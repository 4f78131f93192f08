#include "behaviour/app/timer_binding.h"

#include <algorithm>

namespace reminder {

namespace {

// A late tick or a stalled machine moves both clocks alike; a sleep moves only the one that
// counts it. Less than this is the clocks' own rounding.
constexpr std::int64_t kShortestSleepMs = 2000;

}  // namespace

void TimerBinding::bind(Form& form) {
  for (Timer* timer : form.timers()) {
    Driven& driven = *driven_.emplace_back(std::make_unique<Driven>());
    driven.timer = timer;
    driven.driver = service_.create([this, &driven] { tick(driven); });
    timer->setObserver([this, &driven](Property) { sync(driven); });
    sync(driven);
  }
}

void TimerBinding::sync(Driven& driven) {
  const Timer& timer = *driven.timer;
  if (!timer.running()) {
    driven.driver->stop();
    return;
  }
  ++driven.run;
  driven.startedAt = clock_.nowMs();
  driven.fired = 0;
  driven.slept = slept();
  if (timer.onClock) {
    driven.driver->startOnClock(timer.interval());
  } else {
    driven.driver->start(timer.interval());
  }
}

void TimerBinding::tick(Driven& driven) {
  Timer& timer = *driven.timer;
  const std::int64_t sleptNow = slept();
  timer.afterSleep = sleptNow - driven.slept >= kShortestSleepMs;
  driven.slept = sleptNow;
  if (!timer.catchesUp) {
    timer.fire();
    return;
  }
  const std::uint64_t run = driven.run;
  const std::int64_t interval = timer.interval();
  // Every tick counts for one at least: one that comes a little early on the monotonic clock
  // is still the tick of its interval.
  const std::int64_t passed = (clock_.nowMs() - driven.startedAt + interval / 20) / interval;
  const std::int64_t due = std::max(driven.fired + 1, passed);
  // A tick may stop or restart the timer (the countdown ends); the rest are then not due.
  while (driven.fired < due && driven.run == run && timer.running()) {
    ++driven.fired;
    timer.fire();
  }
}

}  // namespace reminder
