#include "platform/win32/win32_timer_service.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <mutex>
#include <numeric>
#include <optional>
#include <thread>

#include "platform/win32/precise_time.h"
#include "platform/win32/timer_schedule.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace reminder {

namespace {

// Posted to the service's window: wParam names the timer, lParam the start it belongs to, so
// that a tick posted before a stop or a restart is recognised and dropped.
constexpr UINT kDueMessage = WM_APP + 1;
constexpr UINT kHeldBackMessage = WM_APP + 2;

constexpr std::int64_t kMicrosecondsPerMs = 1000;
constexpr std::int64_t kMicrosecondsPerSecond = 1000 * kMicrosecondsPerMs;
// How early a tick on the clock may find the wall clock and still wait for its multiple.
constexpr std::int64_t kClockEarlyToleranceUs = 5 * kMicrosecondsPerMs;

// Waits on its own thread for the earliest due time and posts each timer's tick to the
// window as it falls due; every timer is armed for one due time at a time.
class DueTimeWaiter {
 public:
  explicit DueTimeWaiter(HWND window) : window_(window) {
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

  ~DueTimeWaiter() {
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

  DueTimeWaiter(const DueTimeWaiter&) = delete;
  DueTimeWaiter& operator=(const DueTimeWaiter&) = delete;
  DueTimeWaiter(DueTimeWaiter&&) = delete;
  DueTimeWaiter& operator=(DueTimeWaiter&&) = delete;

  void arm(WPARAM timer, LPARAM start, std::int64_t dueUs) {
    {
      const std::lock_guard lock(mutex_);
      due_[timer] = {dueUs, start};
    }
    SetEvent(wake_);
  }

  void disarm(WPARAM timer) {
    const std::lock_guard lock(mutex_);
    due_.erase(timer);
  }

 private:
  struct Due {
    std::int64_t us;
    LPARAM start;
  };

  void run() {
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
  void postDueTicks() {
    const std::int64_t now = counterMicroseconds();
    std::optional<std::int64_t> earliest;
    for (auto it = due_.begin(); it != due_.end();) {
      if (it->second.us <= now) {
        PostMessageW(window_, kDueMessage, it->first, it->second.start);
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

  HWND window_;
  HANDLE timer_ = nullptr;
  HANDLE wake_ = nullptr;
  bool finerPeriod_ = false;
  std::mutex mutex_;
  std::map<WPARAM, Due> due_;
  bool quit_ = false;
  std::thread thread_;
};

class Win32Timer;

}  // namespace

// The service's message-only window, its waiter and its timers, kept alive by every timer.
class Win32TimerService::Scheduler {
 public:
  Scheduler() : window_(createWindow(this)), waiter_(window_) {}
  ~Scheduler() { DestroyWindow(window_); }
  Scheduler(const Scheduler&) = delete;
  Scheduler& operator=(const Scheduler&) = delete;
  Scheduler(Scheduler&&) = delete;
  Scheduler& operator=(Scheduler&&) = delete;

  WPARAM add(Win32Timer& timer) {
    timers_[++lastId_] = &timer;
    return lastId_;
  }

  void remove(WPARAM id) {
    waiter_.disarm(id);
    timers_.erase(id);
  }

  void arm(WPARAM id, LPARAM start, std::int64_t dueUs) { waiter_.arm(id, start, dueUs); }
  void disarm(WPARAM id) { waiter_.disarm(id); }
  void postHeldBack(WPARAM id, LPARAM start) const {
    PostMessageW(window_, kHeldBackMessage, id, start);
  }

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static HWND createWindow(Scheduler* scheduler);
  void received(UINT message, WPARAM id, LPARAM start);

  HWND window_;
  DueTimeWaiter waiter_;
  std::map<WPARAM, Win32Timer*> timers_;
  WPARAM lastId_ = 0;
};

namespace {

class Win32Timer final : public PlatformTimer {
 public:
  Win32Timer(std::shared_ptr<Win32TimerService::Scheduler> scheduler, std::function<void()> tick)
      : scheduler_(std::move(scheduler)), tick_(std::move(tick)), id_(scheduler_->add(*this)) {}
  ~Win32Timer() override { scheduler_->remove(id_); }
  Win32Timer(const Win32Timer&) = delete;
  Win32Timer& operator=(const Win32Timer&) = delete;
  Win32Timer(Win32Timer&&) = delete;
  Win32Timer& operator=(Win32Timer&&) = delete;

  void start(int intervalMs) override {
    restart(intervalMs, false);
    dueUs_ = counterMicroseconds() + intervalUs_;
    scheduler_->arm(id_, start_, dueUs_);
  }

  // The first tick comes at the interval's next multiple, so a clock shows the time at once;
  // after it only the multiples that begin a second (every second for 100 ms), so an idle
  // clock wakes once a second.
  void startOnClock(int intervalMs) override {
    restart(intervalMs, true);
    const std::int64_t wall = utcMicroseconds();
    targetUs_ = clockStep(wall, intervalUs_, wall, 0).target;
    intervalUs_ = std::lcm(intervalUs_, kMicrosecondsPerSecond);
    armForTarget(wall);
  }

  void stop() override {
    ++start_;
    heldBack_ = false;
    scheduler_->disarm(id_);
  }

  // The waiter found this start's due time reached.
  void due(LPARAM start) {
    if (start != start_) return;
    if (onClock_) {
      const std::int64_t wall = utcMicroseconds();
      const ClockStep step = clockStep(targetUs_, intervalUs_, wall, kClockEarlyToleranceUs);
      targetUs_ = step.target;
      armForTarget(wall);
      if (!step.deliver) return;
    } else {
      dueUs_ = nextRepeatDue(dueUs_, intervalUs_, counterMicroseconds());
      scheduler_->arm(id_, start_, dueUs_);
    }
    deliver();
  }

  void heldBackDue(LPARAM start) {
    if (start == start_) deliver();
  }

 private:
  void restart(int intervalMs, bool onClock) {
    ++start_;
    heldBack_ = false;
    onClock_ = onClock;
    intervalUs_ = std::max(1, intervalMs) * kMicrosecondsPerMs;
  }

  void armForTarget(std::int64_t wall) {
    scheduler_->arm(id_, start_, counterMicroseconds() + (targetUs_ - wall));
  }

  void deliver() {
    // A handler waiting in a modal box is still running: its tick waits for it.
    if (running_) {
      heldBack_ = true;
      return;
    }
    running_ = true;
    tick_();
    running_ = false;
    // Through the message loop, so the held-back tick does not nest in this one's caller.
    if (heldBack_) {
      heldBack_ = false;
      scheduler_->postHeldBack(id_, start_);
    }
  }

  std::shared_ptr<Win32TimerService::Scheduler> scheduler_;
  std::function<void()> tick_;
  WPARAM id_;
  LPARAM start_ = 0;
  bool onClock_ = false;
  std::int64_t intervalUs_ = kMicrosecondsPerMs;
  std::int64_t dueUs_ = 0;     // repeating: the due time the waiter is armed with
  std::int64_t targetUs_ = 0;  // on the clock: the wall clock's multiple waited for
  bool running_ = false;
  bool heldBack_ = false;
};

constexpr wchar_t kWindowClass[] = L"ReminderTimerWindow";

}  // namespace

HWND Win32TimerService::Scheduler::createWindow(Scheduler* scheduler) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);  // fails harmlessly when a second service registers again
  const HWND window = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      instance, nullptr);
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(scheduler));
  return window;
}

LRESULT CALLBACK Win32TimerService::Scheduler::windowProc(HWND window, UINT message, WPARAM wParam,
                                                          LPARAM lParam) {
  if (message == kDueMessage || message == kHeldBackMessage) {
    auto* scheduler = reinterpret_cast<Scheduler*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (scheduler != nullptr) scheduler->received(message, wParam, lParam);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void Win32TimerService::Scheduler::received(UINT message, WPARAM id, LPARAM start) {
  const auto found = timers_.find(id);
  if (found == timers_.end()) return;  // the timer went before its tick arrived
  Win32Timer& timer = *found->second;
  if (message == kDueMessage) {
    timer.due(start);
  } else {
    timer.heldBackDue(start);
  }
}

Win32TimerService::Win32TimerService() : scheduler_(std::make_shared<Scheduler>()) {}

Win32TimerService::~Win32TimerService() = default;

std::unique_ptr<PlatformTimer> Win32TimerService::create(std::function<void()> tick) {
  return std::make_unique<Win32Timer>(scheduler_, std::move(tick));
}

}  // namespace reminder
