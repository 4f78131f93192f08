#include "system/linux/boot_clock.h"

#include <ctime>

namespace reminder {

namespace {

std::int64_t milliseconds(clockid_t clock) {
  timespec now{};
  ::clock_gettime(clock, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
}

}  // namespace

std::int64_t BootClock::nowMs() const {
  return milliseconds(CLOCK_BOOTTIME);
}

std::int64_t BootClock::awakeMs() const {
  return milliseconds(CLOCK_MONOTONIC);
}

}  // namespace reminder
