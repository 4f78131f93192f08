#pragma once

#include <QtGlobal>

#include "platform/clock.h"

namespace reminder {

class QtClock final : public Clock {
 public:
  [[nodiscard]] TimeOfDay now() const override;

 private:
  // Looking the zone's offset up rereads the zone from disk; it only changes on a whole
  // minute (daylight saving, a new zone chosen), so once a minute is enough.
  mutable qint64 offsetMinute_ = -1;
  mutable qint64 offsetMs_ = 0;
};

}  // namespace reminder
