#include "platform/tick_schedule.h"

#include "platform/floor_div.h"

namespace reminder {

std::int64_t nextRepeatDue(std::int64_t due, std::int64_t interval, std::int64_t now) {
  const std::int64_t next = due + interval;
  return next < now ? now + interval : next;
}

ClockStep clockStep(std::int64_t target, std::int64_t interval, std::int64_t wall,
                    std::int64_t earlyTolerance) {
  // The clock the wait runs on and the wall clock may differ by a hair; the tick must not
  // come before its multiple, or the clock would show the old second.
  if (wall < target && target - wall <= earlyTolerance) return {false, target};
  // On time, late, or the clock set by hand either way: the first multiple still ahead.
  return {true, (floorDiv(wall, interval) + 1) * interval};
}

}  // namespace reminder
