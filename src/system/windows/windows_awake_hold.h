#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

#include "platform/awake_hold.h"

namespace reminder {

// The system's power-request calls, which a test may record instead.
struct PowerRequestCalls {
  HANDLE(WINAPI* create)(PREASON_CONTEXT);
  BOOL(WINAPI* set)(HANDLE, POWER_REQUEST_TYPE);
  BOOL(WINAPI* clear)(HANDLE, POWER_REQUEST_TYPE);
  BOOL(WINAPI* close)(HANDLE);
};

inline constexpr PowerRequestCalls kPowerRequestCalls{&PowerCreateRequest, &PowerSetRequest,
                                                      &PowerClearRequest, &CloseHandle};

// Holds the computer awake with a system-required power request, whose reason is what
// "powercfg /requests" shows. The display is left to the user's settings: it still turns off
// and locks. Windows takes the request away with the process.
class WindowsAwakeHold final : public AwakeHold {
 public:
  explicit WindowsAwakeHold(const PowerRequestCalls& calls = kPowerRequestCalls) : calls_(calls) {}
  WindowsAwakeHold(const WindowsAwakeHold&) = delete;
  WindowsAwakeHold& operator=(const WindowsAwakeHold&) = delete;
  WindowsAwakeHold(WindowsAwakeHold&&) = delete;
  WindowsAwakeHold& operator=(WindowsAwakeHold&&) = delete;
  ~WindowsAwakeHold() override { release(); }

  void hold(const std::string& reason) override;
  void release() override;

 private:
  PowerRequestCalls calls_;
  HANDLE request_ = nullptr;  // none while nothing is held
  std::string reason_;
};

}  // namespace reminder
