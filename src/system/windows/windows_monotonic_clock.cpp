#include "platform/win32/win32_monotonic_clock.h"

#include "platform/win32/precise_time.h"

namespace reminder {

std::int64_t Win32MonotonicClock::nowMs() const {
  return counterMicroseconds() / 1000;
}

}  // namespace reminder
