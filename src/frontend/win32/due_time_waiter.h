#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <thread>

#include "frontend/win32/win32_headers.h"

namespace reminder {

// Waits on its own thread for the earliest due time on the performance counter and posts
// each timer's tick to a window as it falls due (the message `dueMessage`, wParam naming the
// timer and lParam the start it belongs to); every timer is armed for one due time at a time.
class DueTimeWaiter {
 public:
  DueTimeWaiter(HWND window, UINT dueMessage);
  ~DueTimeWaiter();
  DueTimeWaiter(const DueTimeWaiter&) = delete;
  DueTimeWaiter& operator=(const DueTimeWaiter&) = delete;
  DueTimeWaiter(DueTimeWaiter&&) = delete;
  DueTimeWaiter& operator=(DueTimeWaiter&&) = delete;

  void arm(WPARAM timer, LPARAM start, std::int64_t dueUs);
  void disarm(WPARAM timer);

 private:
  struct Due {
    std::int64_t us;
    LPARAM start;
  };

  void run();
  DWORD postDueTicks();

  HWND window_;
  UINT dueMessage_;
  HANDLE timer_ = nullptr;
  HANDLE wake_ = nullptr;
  bool finerPeriod_ = false;
  std::mutex mutex_;
  std::map<WPARAM, Due> due_;
  bool quit_ = false;
  std::thread thread_;
};

}  // namespace reminder
