#pragma once

#include "platform/zoned_clock.h"

namespace reminder {

// The local time of day from Qt's epoch time and the zone Qt finds.
class QtClock final : public ZonedClock {
 private:
  [[nodiscard]] std::int64_t utcMs() const override;
  [[nodiscard]] std::int64_t zoneOffsetMs(std::int64_t utcMs) const override;
};

}  // namespace reminder
