#pragma once

#include "platform/clock.h"

namespace reminder {

class QtClock final : public Clock {
 public:
  [[nodiscard]] TimeOfDay now() const override;
};

}  // namespace reminder
