#pragma once

#include <functional>
#include <string>

#include "model/controls/control.h"

namespace reminder {

class Form;

// An interval timer: while enabled with a non-zero interval it ticks every interval
// milliseconds. A timer service (real or virtual) watches these properties and calls fire().
class Timer {
 public:
  Timer(Form& owner, std::string name, int interval, bool enabled);
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  Timer(Timer&&) = delete;
  Timer& operator=(Timer&&) = delete;
  ~Timer() = default;

  [[nodiscard]] const std::string& name() const { return name_; }

  [[nodiscard]] bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  [[nodiscard]] int interval() const { return interval_; }
  void setInterval(int milliseconds);
  [[nodiscard]] bool running() const { return enabled_ && interval_ > 0; }

  // Ticks on the wall clock's multiples of the interval (every tenth of a second for 100 ms)
  // instead of one interval after being enabled: a clock then shows each new second as it
  // begins, not up to an interval later. The real platform delivers only the ticks that
  // begin a second (platform/timer_service.h).
  bool onClock = false;
  // Ticks once for every interval that really passed, the computer's sleep included: the first
  // tick after a suspend or a stall makes up the ticks that were missed, one after another.
  bool catchesUp = false;
  // Set by what drives the timer for the tick under way: the computer slept since the
  // previous tick (or the start), so this is the first tick after a wake-up.
  bool afterSleep = false;

  void fire() {
    if (running() && onTimer) onTimer();
  }

  void setObserver(PropertyObserver observer) { observer_ = std::move(observer); }

  Handler onTimer;

 private:
  void notify(Property property) const {
    if (observer_) observer_(property);
  }

  std::string name_;
  int interval_;
  bool enabled_;
  PropertyObserver observer_;
};

}  // namespace reminder
