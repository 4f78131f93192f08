#include "system/windows/windows_clock.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "system/windows/precise_time.h"

namespace reminder {

namespace {

constexpr std::int64_t kMsPerMinute = 60LL * 1000;
constexpr std::int64_t kMsPerDay = 24LL * 60 * kMsPerMinute;
constexpr std::int64_t kFileTicksPerMs = 10'000;

std::int64_t floorDiv(std::int64_t value, std::int64_t divisor) {
  return value / divisor - static_cast<std::int64_t>(value % divisor < 0);
}

FILETIME fileTimeOf(std::int64_t unixMs) {
  const auto ticks = static_cast<std::uint64_t>(unixMs * kFileTicksPerMs + kFileTimeAtUnixEpoch);
  return {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

std::int64_t unixMsOf(const FILETIME& time) {
  const auto ticks = static_cast<std::int64_t>(
      (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
  return (ticks - kFileTimeAtUnixEpoch) / kFileTicksPerMs;
}

// How far the local time is ahead of UTC at `unixMs`, with that day's daylight saving.
std::int64_t zoneOffsetMs(std::int64_t unixMs) {
  const FILETIME utcFile = fileTimeOf(unixMs);
  SYSTEMTIME utc;
  SYSTEMTIME local;
  FILETIME localFile;
  if (FileTimeToSystemTime(&utcFile, &utc) == 0 ||
      SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local) == 0 ||
      SystemTimeToFileTime(&local, &localFile) == 0) {
    return 0;
  }
  return unixMsOf(localFile) - unixMs;
}

}  // namespace

TimeOfDay WindowsClock::now() const {
  const std::int64_t utcMs = floorDiv(utcMicroseconds(), 1000);
  const std::int64_t minute = floorDiv(utcMs, kMsPerMinute);
  if (minute != offsetMinute_) {
    offsetMs_ = zoneOffsetMs(minute * kMsPerMinute);
    offsetMinute_ = minute;
  }
  const std::int64_t localMs = utcMs + offsetMs_;
  const auto msOfDay = static_cast<int>(localMs - floorDiv(localMs, kMsPerDay) * kMsPerDay);
  return {msOfDay / 3'600'000, msOfDay / 60'000 % 60, msOfDay / 1000 % 60, msOfDay % 1000};
}

}  // namespace reminder
