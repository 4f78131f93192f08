#pragma once

#include <cstdint>

namespace reminder {

// Milliseconds from a fixed moment, never going back and counting the time the computer
// slept, unlike the event loop's timers, which stand still while it sleeps.
class MonotonicClock {
 public:
  virtual ~MonotonicClock() = default;
  [[nodiscard]] virtual std::int64_t nowMs() const = 0;
  // Milliseconds from a fixed moment, not counting the time the computer slept: how far it
  // drifts behind nowMs() is the sleep.
  [[nodiscard]] virtual std::int64_t awakeMs() const = 0;
};

}  // namespace reminder
