#include "frontend/win32/due_time_waiter.h"

// After windows.h, which it needs.
#include <mmsystem.h>

#include <algorithm>
#include <optional>

#include "system/windows/precise_time.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace reminder {

DueTimeWaiter::DueTimeWaiter(HWND window, UINT dueMessage)
    : window_(window), dueMessage_(dueMessage) {
  timer_ = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                  TIMER_ALL_ACCESS);
  if (timer_ == nullptr) {
    // Before Windows 10 1803: a plain waitable timer, with the system's timer made finer
    // while the program runs.
    timer_ = CreateWaitableTimerW(nullptr, FALSE, nullptr);
    finerPeriod_ = timeBeginPeriod(1) == TIMERR_NOERROR;
  }
  wake_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  thread_ = std::thread([this] { run(); });
}

DueTimeWaiter::~DueTimeWaiter() {
  {
    const std::lock_guard lock(mutex_);
    quit_ = true;
  }
  SetEvent(wake_);
  thread_.join();
  CloseHandle(wake_);
  CloseHandle(timer_);
  if (finerPeriod_) timeEndPeriod(1);
}

void DueTimeWaiter::arm(WPARAM timer, LPARAM start, std::int64_t dueUs) {
  {
    const std::lock_guard lock(mutex_);
    due_[timer] = {dueUs, start};
  }
  SetEvent(wake_);
}

void DueTimeWaiter::disarm(WPARAM timer) {
  const std::lock_guard lock(mutex_);
  due_.erase(timer);
}

void DueTimeWaiter::run() {
  const HANDLE handles[] = {wake_, timer_};
  for (;;) {
    {
      const std::lock_guard lock(mutex_);
      if (quit_) return;
      postDueTicks();
    }
    WaitForMultipleObjects(2, handles, FALSE, INFINITE);
  }
}

// Posts what is due, then sets the waitable timer for what is due next.
void DueTimeWaiter::postDueTicks() {
  const std::int64_t now = counterMicroseconds();
  std::optional<std::int64_t> earliest;
  for (auto it = due_.begin(); it != due_.end();) {
    if (it->second.us <= now) {
      PostMessageW(window_, dueMessage_, it->first, it->second.start);
      it = due_.erase(it);
    } else {
      earliest = std::min(earliest.value_or(it->second.us), it->second.us);
      ++it;
    }
  }
  if (!earliest) {
    CancelWaitableTimer(timer_);
    return;
  }
  LARGE_INTEGER relative;  // negative: from now, in 100 ns
  relative.QuadPart = -(*earliest - now) * 10;
  SetWaitableTimer(timer_, &relative, 0, nullptr, nullptr, FALSE);
}

}  // namespace reminder
