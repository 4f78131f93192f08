#include "frontend/win32/timer_window.h"

#include "frontend/win32/message_window.h"
#include "frontend/win32/win32_timer.h"

namespace reminder {

namespace {

// Posted to the window: wParam names the timer, lParam the start it belongs to,
// so that a tick posted before a stop or a restart is recognised and dropped.
constexpr UINT kDueMessage = WM_APP + 1;
constexpr UINT kHeldBackMessage = WM_APP + 2;

constexpr wchar_t kWindowClass[] = L"ReminderTimerWindow";

}  // namespace

TimerWindow::TimerWindow()
    : window_(createMessageWindow(kWindowClass, windowProc, this)), waiter_(window_, kDueMessage) {}

TimerWindow::~TimerWindow() {
  DestroyWindow(window_);
}

WPARAM TimerWindow::add(Win32Timer& timer) {
  timers_[++lastId_] = &timer;
  return lastId_;
}

void TimerWindow::remove(WPARAM id) {
  waiter_.disarm(id);
  timers_.erase(id);
}

void TimerWindow::postHeldBack(WPARAM id, LPARAM start) const {
  PostMessageW(window_, kHeldBackMessage, id, start);
}

LRESULT CALLBACK TimerWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kDueMessage || message == kHeldBackMessage) {
    auto* owner = reinterpret_cast<TimerWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (owner != nullptr) owner->received(message, wParam, lParam);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void TimerWindow::received(UINT message, WPARAM id, LPARAM start) {
  const auto found = timers_.find(id);
  if (found == timers_.end()) return;  // the timer went before its tick arrived
  Win32Timer& timer = *found->second;
  const auto startCount = static_cast<std::uint64_t>(start);
  if (message == kDueMessage) {
    timer.woke(startCount);
  } else {
    timer.heldBackDue(startCount);
  }
}

}  // namespace reminder
