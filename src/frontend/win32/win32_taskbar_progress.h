#pragma once

#include "frontend/win32/win32_headers.h"
// windows.h first.
#include <shobjidl.h>

#include <functional>

#include "platform/taskbar_progress.h"

namespace reminder {

// The system's task-bar list, initialised, or null where there is none.
ITaskbarList3* systemTaskbar();

// The countdown's progress on the main window's task-bar button (ITaskbarList3): the share
// passed in the normal colour, paused while the reminder waits, none otherwise. The task bar
// takes the calls once the button exists and says so with "TaskbarButtonCreated" (again
// after Explorer restarts); what is wanted is shown again then. Without a task bar nothing
// shows and nothing is said. What changes within one turn of the message loop (the seconds
// a countdown catches up after a sleep) goes to the task bar as one update.
class Win32TaskbarProgress final : public TaskbarProgress {
 public:
  // `taskbar` gives a reference to the task bar's list (or null), asked again for each new
  // button.
  explicit Win32TaskbarProgress(std::function<ITaskbarList3*()> taskbar = systemTaskbar);
  ~Win32TaskbarProgress() override;
  Win32TaskbarProgress(const Win32TaskbarProgress&) = delete;
  Win32TaskbarProgress& operator=(const Win32TaskbarProgress&) = delete;
  Win32TaskbarProgress(Win32TaskbarProgress&&) = delete;
  Win32TaskbarProgress& operator=(Win32TaskbarProgress&&) = delete;

  // The button is `mainWindow`'s; its messages are watched from now on.
  void attach(HWND mainWindow);

  void show(int secondsPassed, int secondsInAll) override;
  void showTimeUp() override;
  void clear() override;

 private:
  struct Bar {
    TBPFLAG state = TBPF_NOPROGRESS;
    ULONGLONG passed = 0;
    ULONGLONG inAll = 0;
    friend bool operator==(const Bar&, const Bar&) = default;
  };

  static LRESULT CALLBACK watch(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                UINT_PTR id, DWORD_PTR self);
  void update(const Bar& bar);
  void apply();
  void buttonCreated();
  void detach();

  std::function<ITaskbarList3*()> askTaskbar_;
  UINT buttonCreatedMessage_;
  UINT applyMessage_;
  ITaskbarList3* taskbar_ = nullptr;
  bool taskbarAsked_ = false;
  HWND window_ = nullptr;
  Bar wanted_;
  Bar shown_;  // on the button, as far as the task bar took it
  bool applyPosted_ = false;
};

}  // namespace reminder
