#include "system/windows/precise_time.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace reminder {

namespace {

constexpr std::int64_t kMicrosecondsPerSecond = 1'000'000;

}  // namespace

std::int64_t counterMicroseconds() {
  static const std::int64_t frequency = [] {
    LARGE_INTEGER value;
    QueryPerformanceFrequency(&value);
    return value.QuadPart;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  // In two parts, so that the product does not overflow after a long uptime.
  return counter.QuadPart / frequency * kMicrosecondsPerSecond +
         counter.QuadPart % frequency * kMicrosecondsPerSecond / frequency;
}

std::int64_t utcMicroseconds() {
  FILETIME time;
  GetSystemTimePreciseAsFileTime(&time);
  const auto ticks = static_cast<std::int64_t>(
      (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
  return (ticks - kFileTimeAtUnixEpoch) / 10;
}

}  // namespace reminder
