#pragma once

#include "platform/monotonic_clock.h"

namespace reminder {

// The performance counter, which keeps counting while the computer sleeps; the unbiased
// interrupt time, which does not, for the time awake.
class WindowsMonotonicClock final : public MonotonicClock {
 public:
  [[nodiscard]] std::int64_t nowMs() const override;
  [[nodiscard]] std::int64_t awakeMs() const override;
};

}  // namespace reminder
