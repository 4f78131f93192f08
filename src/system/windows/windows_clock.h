#pragma once

#include "platform/zoned_clock.h"

namespace reminder {

// The local time of day, to the millisecond, from the same precise system time the timers on
// the clock wait for, so a tick at a new second always finds the new second.
class WindowsClock final : public ZonedClock {
 private:
  [[nodiscard]] std::int64_t utcMs() const override;
  // With that day's daylight saving.
  [[nodiscard]] std::int64_t zoneOffsetMs(std::int64_t utcMs) const override;
};

}  // namespace reminder
