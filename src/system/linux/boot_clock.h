#pragma once

#include "platform/monotonic_clock.h"

namespace reminder {

// CLOCK_BOOTTIME: Linux's monotonic clock that goes on while the computer is suspended.
class BootClock final : public MonotonicClock {
 public:
  [[nodiscard]] std::int64_t nowMs() const override;
};

}  // namespace reminder
