#include "frontend/win32/win32_timer.h"

#include <algorithm>
#include <numeric>

#include "frontend/win32/timer_schedule.h"
#include "system/windows/precise_time.h"

namespace reminder {

namespace {

constexpr std::int64_t kMicrosecondsPerMs = 1000;
constexpr std::int64_t kMicrosecondsPerSecond = 1000 * kMicrosecondsPerMs;
// How early a tick on the clock may find the wall clock and still wait for its multiple.
constexpr std::int64_t kClockEarlyToleranceUs = 5 * kMicrosecondsPerMs;

}  // namespace

Win32Timer::Win32Timer(std::shared_ptr<TimerWindow> window, std::function<void()> tick)
    : window_(std::move(window)), tick_(std::move(tick)), id_(window_->add(*this)) {}

Win32Timer::~Win32Timer() {
  window_->remove(id_);
}

void Win32Timer::start(int intervalMs) {
  restart(intervalMs, false);
  dueUs_ = counterMicroseconds() + intervalUs_;
  window_->arm(id_, start_, dueUs_);
}

// The first tick comes at the interval's next multiple, so a clock shows the time at once;
// after it only the multiples that begin a second (every second for 100 ms), so an idle
// clock wakes once a second.
void Win32Timer::startOnClock(int intervalMs) {
  restart(intervalMs, true);
  const std::int64_t wall = utcMicroseconds();
  targetUs_ = clockStep(wall, intervalUs_, wall, 0).target;
  intervalUs_ = std::lcm(intervalUs_, kMicrosecondsPerSecond);
  armForTarget(wall);
}

void Win32Timer::stop() {
  ++start_;
  heldBack_ = false;
  window_->disarm(id_);
}

void Win32Timer::due(LPARAM start) {
  if (start != start_) return;
  if (onClock_) {
    const std::int64_t wall = utcMicroseconds();
    const ClockStep step = clockStep(targetUs_, intervalUs_, wall, kClockEarlyToleranceUs);
    targetUs_ = step.target;
    armForTarget(wall);
    if (!step.deliver) return;
  } else {
    dueUs_ = nextRepeatDue(dueUs_, intervalUs_, counterMicroseconds());
    window_->arm(id_, start_, dueUs_);
  }
  deliver();
}

void Win32Timer::heldBackDue(LPARAM start) {
  if (start == start_) deliver();
}

void Win32Timer::restart(int intervalMs, bool onClock) {
  ++start_;
  heldBack_ = false;
  onClock_ = onClock;
  intervalUs_ = std::max(1, intervalMs) * kMicrosecondsPerMs;
}

void Win32Timer::armForTarget(std::int64_t wall) {
  window_->arm(id_, start_, counterMicroseconds() + (targetUs_ - wall));
}

void Win32Timer::deliver() {
  // A handler waiting in a modal box is still running: its tick waits for it.
  if (running_) {
    heldBack_ = true;
    return;
  }
  running_ = true;
  tick_();
  running_ = false;
  if (heldBack_) {
    heldBack_ = false;
    window_->postHeldBack(id_, start_);
  }
}

}  // namespace reminder
