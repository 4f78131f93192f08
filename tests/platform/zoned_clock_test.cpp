// The local time of day from UTC and the zone's offset, which is looked up once a minute.
#include "platform/zoned_clock.h"

#include <gtest/gtest.h>

#include <array>

namespace reminder {
namespace {

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

TEST(ZonedClockTest, AddsTheOffsetLookedUpAtTheFirstReadingOfEachMinute) {
  ScriptedZoneClock clock;
  clock.offset = (5 * 60 + 45) * 60'000;  // Kathmandu, across UTC's midnight
  clock.utc = -30'500;                    // 1969-12-31 23:59:29.500 UTC
  const TimeOfDay now = clock.now();
  EXPECT_EQ((std::array{now.hour, now.minute, now.second, now.millisecond}),
            (std::array{5, 44, 29, 500}));
  clock.offset = 0;  // a zone chosen meanwhile counts from the next minute
  clock.utc += 30'000;
  EXPECT_EQ(clock.now().hour, 5);
  clock.utc += 500;
  EXPECT_EQ(clock.now().hour, 0);
  EXPECT_EQ(clock.lookups, 2);
}

}  // namespace
}  // namespace reminder
