#include "frontend/win32/win32_timer_service.h"

#include "frontend/win32/timer_window.h"
#include "frontend/win32/win32_timer.h"

namespace reminder {

Win32TimerService::Win32TimerService() : window_(std::make_shared<TimerWindow>()) {}

Win32TimerService::~Win32TimerService() = default;

std::unique_ptr<PlatformTimer> Win32TimerService::create(std::function<void()> tick) {
  return std::make_unique<Win32Timer>(window_, std::move(tick));
}

}  // namespace reminder
