#pragma once

#include <cstdint>

namespace reminder {

// From 1601-01-01, where the system's file times count from, to 1970-01-01, in 100 ns.
constexpr std::int64_t kFileTimeAtUnixEpoch = 116'444'736'000'000'000;

// Microseconds on the performance counter: steady, whatever is done to the clock.
[[nodiscard]] std::int64_t counterMicroseconds();

// Microseconds since 1970-01-01 00:00 UTC, to the microsecond between the system's timer
// ticks too (the plain system time moves in steps of about 15.6 ms).
[[nodiscard]] std::int64_t utcMicroseconds();

}  // namespace reminder
