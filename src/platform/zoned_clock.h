#pragma once

#include <cstdint>
#include <limits>

#include "platform/clock.h"

namespace reminder {

// The local time of day from the wall clock's UTC and the zone's offset. A system only says
// what time it is and how far its zone is ahead.
class ZonedClock : public Clock {
 public:
  [[nodiscard]] TimeOfDay now() const final;

 protected:
  // Milliseconds since 1970-01-01 00:00 UTC.
  [[nodiscard]] virtual std::int64_t utcMs() const = 0;
  // How far the local time is ahead of UTC at `utcMs`, in milliseconds.
  [[nodiscard]] virtual std::int64_t zoneOffsetMs(std::int64_t utcMs) const = 0;

 private:
  // Looking the offset up may reread the zone from disk; it only changes on a whole minute
  // (daylight saving, a new zone chosen), so once a minute is enough.
  mutable std::int64_t offsetMinute_ = std::numeric_limits<std::int64_t>::min();
  mutable std::int64_t offsetMs_ = 0;
};

}  // namespace reminder
