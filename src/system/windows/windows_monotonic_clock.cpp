#include "system/windows/windows_monotonic_clock.h"

#include "system/windows/precise_time.h"

namespace reminder {

std::int64_t WindowsMonotonicClock::nowMs() const {
  return counterMicroseconds() / 1000;
}

}  // namespace reminder
