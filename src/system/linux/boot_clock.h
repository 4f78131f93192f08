#pragma once

#include "platform/monotonic_clock.h"

namespace reminder {

// CLOCK_BOOTTIME: Linux's monotonic clock that goes on while the computer is suspended;
// CLOCK_MONOTONIC, which stands still meanwhile, for the time awake.
class BootClock final : public MonotonicClock {
 public:
  [[nodiscard]] std::int64_t nowMs() const override;
  [[nodiscard]] std::int64_t awakeMs() const override;
};

}  // namespace reminder
