#include "system/windows/windows_monotonic_clock.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "system/windows/precise_time.h"

namespace reminder {

std::int64_t WindowsMonotonicClock::nowMs() const {
  return counterMicroseconds() / 1000;
}

std::int64_t WindowsMonotonicClock::awakeMs() const {
  ULONGLONG hundredsOfNs = 0;
  QueryUnbiasedInterruptTime(&hundredsOfNs);
  return static_cast<std::int64_t>(hundredsOfNs / 10'000);
}

}  // namespace reminder
