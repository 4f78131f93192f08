#pragma once

#include "platform/monotonic_clock.h"

namespace reminder {

// The performance counter, which keeps counting while the computer sleeps.
class WindowsMonotonicClock final : public MonotonicClock {
 public:
  [[nodiscard]] std::int64_t nowMs() const override;
};

}  // namespace reminder
