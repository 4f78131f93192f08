#pragma once

#include <cstdint>

namespace reminder {

// Division rounded towards minus infinity, for times before the epoch or a zone's midnight.
[[nodiscard]] constexpr std::int64_t floorDiv(std::int64_t value, std::int64_t divisor) {
  return value / divisor - static_cast<std::int64_t>(value % divisor < 0);
}

}  // namespace reminder
