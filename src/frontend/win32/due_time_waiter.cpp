#include "frontend/win32/due_time_waiter.h"

// After windows.h, which it needs.
#include <mmsystem.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "system/windows/precise_time.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace reminder {

namespace {

// How soon a tick that could not be posted is tried again; how often the thread looks when
// it cannot be woken.
constexpr DWORD kRetryMs = 10;

}  // namespace

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
  if (wake_ != nullptr) SetEvent(wake_);
  thread_.join();
  if (wake_ != nullptr) CloseHandle(wake_);
  if (timer_ != nullptr) CloseHandle(timer_);
  if (finerPeriod_) timeEndPeriod(1);
}

void DueTimeWaiter::arm(WPARAM timer, LPARAM start, std::int64_t dueUs) {
  {
    const std::lock_guard lock(mutex_);
    due_[timer] = {dueUs, start};
  }
  if (wake_ != nullptr) SetEvent(wake_);
}

void DueTimeWaiter::disarm(WPARAM timer) {
  const std::lock_guard lock(mutex_);
  due_.erase(timer);
}

void DueTimeWaiter::run() {
  std::vector<HANDLE> handles;
  for (const HANDLE handle : {wake_, timer_}) {
    if (handle != nullptr) handles.push_back(handle);
  }
  for (;;) {
    DWORD timeoutMs = INFINITE;
    {
      const std::lock_guard lock(mutex_);
      if (quit_) return;
      timeoutMs = postDueTicks();
    }
    // A wait that fails (the system made neither the event nor the waitable timer) is tried
    // again after a while, not at once over and over.
    const DWORD waited = handles.empty()
                             ? WAIT_FAILED
                             : WaitForMultipleObjects(static_cast<DWORD>(handles.size()),
                                                      handles.data(), FALSE, timeoutMs);
    if (waited == WAIT_FAILED) Sleep(kRetryMs);
  }
}

// Posts what is due, then sets the waitable timer for what is due next; gives how long the
// thread may wait at most without missing it.
DWORD DueTimeWaiter::postDueTicks() {
  const std::int64_t now = counterMicroseconds();
  std::optional<std::int64_t> earliest;
  for (auto it = due_.begin(); it != due_.end();) {
    // A tick the window's queue would not take (it was full) stays due, to be posted again.
    if (it->second.us <= now &&
        PostMessageW(window_, dueMessage_, it->first, it->second.start) != FALSE) {
      it = due_.erase(it);
      continue;
    }
    const std::int64_t due = it->second.us <= now ? now + kRetryMs * 1000 : it->second.us;
    earliest = std::min(earliest.value_or(due), due);
    ++it;
  }
  // Without the event nothing wakes the thread for a new due time: it looks again soon.
  const DWORD unwoken = wake_ != nullptr ? INFINITE : kRetryMs;
  if (!earliest) {
    if (timer_ != nullptr) CancelWaitableTimer(timer_);
    return unwoken;
  }
  if (timer_ == nullptr) {
    const auto untilDue = static_cast<DWORD>((*earliest - now + 999) / 1000);
    return std::min(untilDue, unwoken);
  }
  LARGE_INTEGER relative;  // negative: from now, in 100 ns
  relative.QuadPart = -(*earliest - now) * 10;
  SetWaitableTimer(timer_, &relative, 0, nullptr, nullptr, FALSE);
  return unwoken;
}

}  // namespace reminder
