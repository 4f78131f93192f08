#pragma once

#include <cstdint>

namespace reminder {

// When a repeating timer that was due at `due` is due next, seen at `now`: one interval on,
// so rounding never adds up, unless a whole interval has been missed (a busy machine, a
// suspended one), when the missed ticks are dropped rather than made up in a burst.
[[nodiscard]] std::int64_t nextRepeatDue(std::int64_t due, std::int64_t interval, std::int64_t now);

// What a timer on the clock does when its wait for the wall clock's multiple `target` ends
// and the wall clock reads `wall` (all in the same unit, counted from the epoch).
struct ClockStep {
  bool deliver = false;     // false: the wait ended a little early, wait on for `target`
  std::int64_t target = 0;  // the multiple to wait for next

  friend bool operator==(const ClockStep&, const ClockStep&) = default;
};
[[nodiscard]] ClockStep clockStep(std::int64_t target, std::int64_t interval, std::int64_t wall,
                                  std::int64_t earlyTolerance);

}  // namespace reminder
