#pragma once

#include <cstdint>
#include <map>

#include "frontend/win32/due_time_waiter.h"
#include "frontend/win32/win32_headers.h"

namespace reminder {

class Win32Timer;

// The timer service's message-only window with its waiter and its timers, kept alive by
// every timer: ticks come to the window as messages, so any message loop of the thread that
// made it delivers them, a message box's too.
class TimerWindow {
 public:
  TimerWindow();
  ~TimerWindow();
  TimerWindow(const TimerWindow&) = delete;
  TimerWindow& operator=(const TimerWindow&) = delete;
  TimerWindow(TimerWindow&&) = delete;
  TimerWindow& operator=(TimerWindow&&) = delete;

  WPARAM add(Win32Timer& timer);
  void remove(WPARAM id);

  void arm(WPARAM id, LPARAM start, std::int64_t dueUs) { waiter_.arm(id, start, dueUs); }
  void disarm(WPARAM id) { waiter_.disarm(id); }
  // Delivers a tick that was held back through the message loop, so it does not nest in the
  // call that held it back.
  void postHeldBack(WPARAM id, LPARAM start) const;

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void received(UINT message, WPARAM id, LPARAM start);

  HWND window_;
  DueTimeWaiter waiter_;
  std::map<WPARAM, Win32Timer*> timers_;
  WPARAM lastId_ = 0;
};

}  // namespace reminder
