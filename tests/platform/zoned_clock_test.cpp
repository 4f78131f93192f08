// The local time of day from UTC and the zone's offset, which is looked up once a minute.
#include "platform/zoned_clock.h"

#include <gtest/gtest.h>

#include <array>

namespace reminder {
namespace {

constexpr std::int64_t kMsPerMinute = 60'000;

class ScriptedZoneClock final : public ZonedClock {
 public:
  std::int64_t utc = 0;
  std::int64_t offset = 0;
  mutable int lookups = 0;

 private:
  [[nodiscard]] std::int64_t utcMs() const override { return utc; }
  [[nodiscard]] std::int64_t zoneOffsetMs(std::int64_t /*utcMs*/) const override {
    ++lookups;
    return offset;
  }
};

TEST(ZonedClockTest, AddsTheZonesOffsetLookedUpOnceAMinuteBeforeTheEpochToo) {
  ScriptedZoneClock clock;
  clock.offset = (5 * 60 + 45) * kMsPerMinute;  // Kathmandu
  clock.utc = -30'500;                          // 1969-12-31 23:59:29.500 UTC
  const TimeOfDay before = clock.now();
  EXPECT_EQ((std::array{before.hour, before.minute, before.second, before.millisecond}),
            (std::array{5, 44, 29, 500}));

  clock.utc = 18 * 60 * kMsPerMinute + 999;  // 18:00 UTC, in a zone chosen meanwhile
  clock.offset = -(3 * 60 + 30) * kMsPerMinute;
  clock.now();
  clock.utc += 59'000;
  const TimeOfDay sameMinute = clock.now();
  EXPECT_EQ(clock.lookups, 2);
  EXPECT_EQ((std::array{sameMinute.hour, sameMinute.minute, sameMinute.second}),
            (std::array{14, 30, 59}));
}

}  // namespace
}  // namespace reminder
