// How exactly the program's timers keep a countdown: a 1-second timer of the Win32 timer
// service ticks N times on a message loop, as the countdown's seconds do, and the time from
// its start to the last tick is printed against N seconds; with --set-timer, the same with a
// plain SetTimer, for comparison.
//   countdown_timing [--set-timer] [SECONDS]
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "frontend/win32/win32_timer_service.h"
#include "system/windows/precise_time.h"

namespace {

int ticks = 0;
int wanted = 60;

void CALLBACK setTimerTick(HWND /*window*/, UINT /*message*/, UINT_PTR /*id*/, DWORD /*time*/) {
  if (++ticks == wanted) PostQuitMessage(0);
}

}  // namespace

int main(int argc, char* argv[]) {
  bool plain = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--set-timer") == 0) {
      plain = true;
    } else {
      wanted = std::atoi(argv[i]);
    }
  }
  reminder::Win32TimerService service;
  const std::int64_t start = reminder::counterMicroseconds();
  auto timer = service.create([] {
    if (++ticks == wanted) PostQuitMessage(0);
  });
  if (plain) {
    SetTimer(nullptr, 0, 1000, setTimerTick);
  } else {
    timer->start(1000);
  }
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  const double elapsedMs = static_cast<double>(reminder::counterMicroseconds() - start) / 1000;
  std::printf("%s %d s: %.3f ms, error %+.3f ms\n", plain ? "SetTimer" : "Win32TimerService",
              wanted, elapsedMs, elapsedMs - wanted * 1000.0);
  return 0;
}
