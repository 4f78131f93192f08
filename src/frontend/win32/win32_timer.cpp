#include "frontend/win32/win32_timer.h"

#include "system/windows/precise_time.h"

namespace reminder {

Win32Timer::Win32Timer(std::shared_ptr<TimerWindow> window, std::function<void()> tick)
    : ScheduledTimer(std::move(tick)), window_(std::move(window)), id_(window_->add(*this)) {}

Win32Timer::~Win32Timer() {
  window_->remove(id_);
}

std::int64_t Win32Timer::steadyUs() const {
  return counterMicroseconds();
}

std::int64_t Win32Timer::wallUs() const {
  return utcMicroseconds();
}

void Win32Timer::wakeAt(std::int64_t dueUs, std::uint64_t start) {
  window_->arm(id_, static_cast<LPARAM>(start), dueUs);
}

void Win32Timer::cancelWake() {
  window_->disarm(id_);
}

void Win32Timer::post(std::uint64_t start) {
  window_->postHeldBack(id_, static_cast<LPARAM>(start));
}

}  // namespace reminder
