#pragma once

#include <QDateTime>

#include "platform/zoned_clock.h"

namespace reminder {

// The local time of day from Qt's epoch time and the offset of the zone Qt finds.
class QtClock final : public ZonedClock {
 private:
  [[nodiscard]] std::int64_t utcMs() const override { return QDateTime::currentMSecsSinceEpoch(); }
  [[nodiscard]] std::int64_t zoneOffsetMs(std::int64_t utcMs) const override {
    return QDateTime::fromMSecsSinceEpoch(utcMs).offsetFromUtc() * 1000LL;
  }
};

}  // namespace reminder
