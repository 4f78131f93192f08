#include "system/windows/windows_clock.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "platform/floor_div.h"
#include "system/windows/precise_time.h"

namespace reminder {

namespace {

constexpr std::int64_t kFileTicksPerMs = 10'000;

FILETIME fileTimeOf(std::int64_t unixMs) {
  const auto ticks = static_cast<std::uint64_t>(unixMs * kFileTicksPerMs + kFileTimeAtUnixEpoch);
  return {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

std::int64_t unixMsOf(const FILETIME& time) {
  const auto ticks = static_cast<std::int64_t>(
      (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
  return (ticks - kFileTimeAtUnixEpoch) / kFileTicksPerMs;
}

}  // namespace

std::int64_t WindowsClock::utcMs() const {
  return floorDiv(utcMicroseconds(), 1000);
}

std::int64_t WindowsClock::zoneOffsetMs(std::int64_t unixMs) const {
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

}  // namespace reminder
