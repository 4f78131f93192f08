#pragma once

#include <cstdint>

#include "platform/clock.h"

namespace reminder {

// The local time of day, to the millisecond, from the same precise system time the timers on
// the clock wait for, so a tick at a new second always finds the new second.
class WindowsClock final : public Clock {
 public:
  [[nodiscard]] TimeOfDay now() const override;

 private:
  // The zone's offset only changes on a whole minute (daylight saving, a new zone chosen), so
  // it is looked up once a minute.
  mutable std::int64_t offsetMinute_ = -1;
  mutable std::int64_t offsetMs_ = 0;
};

}  // namespace reminder
