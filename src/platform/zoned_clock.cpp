#include "platform/zoned_clock.h"

#include "platform/floor_div.h"

namespace reminder {

namespace {

constexpr std::int64_t kMsPerMinute = 60LL * 1000;
constexpr std::int64_t kMsPerDay = 24LL * 60 * kMsPerMinute;

}  // namespace

TimeOfDay ZonedClock::now() const {
  const std::int64_t utc = utcMs();
  const std::int64_t minute = floorDiv(utc, kMsPerMinute);
  if (minute != offsetMinute_) {
    offsetMs_ = zoneOffsetMs(minute * kMsPerMinute);
    offsetMinute_ = minute;
  }
  const std::int64_t local = utc + offsetMs_;
  const auto msOfDay = static_cast<int>(local - floorDiv(local, kMsPerDay) * kMsPerDay);
  return {msOfDay / 3'600'000, msOfDay / 60'000 % 60, msOfDay / 1000 % 60, msOfDay % 1000};
}

}  // namespace reminder
