#include "frontend/win32/win32_process_watcher.h"

#include <system_error>

#include "frontend/win32/message_window.h"
#include "frontend/win32/win32_headers.h"
#include "system/windows/process_start.h"

namespace reminder {

namespace {

// Posted to the watcher's window: wParam names the watched process, lParam is 1 when the
// bound was reached before it ended. A WM_TIMER with the process's id as the timer's stands
// in for it when the queue is full.
constexpr UINT kEndedMessage = WM_APP + 3;
constexpr DWORD kRetryMs = 10;
constexpr wchar_t kWindowClass[] = L"ReminderProcessWatcher";

}  // namespace

struct Win32ProcessWatcher::Watched {
  EndHandler handler;
  HANDLE process = nullptr;
  HANDLE wait = nullptr;
  std::string program;
  ProcessEnd failed;  // for a command that could not start or be waited for
  HWND window = nullptr;
  WPARAM id = 0;
  const std::atomic<bool>* closing = nullptr;
};

struct WatcherWindow {
  static LRESULT CALLBACK proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
      KillTimer(window, wParam);
    } else if (message != kEndedMessage) {
      return DefWindowProcW(window, message, wParam, lParam);
    }
    auto* watcher =
        reinterpret_cast<Win32ProcessWatcher*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (watcher != nullptr) ended(*watcher, wParam, message == kEndedMessage && lParam != 0);
    return 0;
  }

  static void ended(Win32ProcessWatcher& watcher, WPARAM id, bool timedOut) {
    const auto found = watcher.watched_.find(id);
    if (found == watcher.watched_.end()) return;
    const std::unique_ptr<Win32ProcessWatcher::Watched> watched = std::move(found->second);
    watcher.watched_.erase(found);
    ProcessEnd end = watched->failed;
    if (watched->process != nullptr) {
      UnregisterWaitEx(watched->wait, INVALID_HANDLE_VALUE);
      DWORD code = 0;
      if (timedOut) {
        // Ended, so that it cannot power off after the program has said it did not.
        TerminateProcess(watched->process, 1);
        end = noAnswer(watched->program, watcher.boundMs_);
      } else {
        end.started = true;
        end.exitCode =
            GetExitCodeProcess(watched->process, &code) != 0 ? static_cast<int>(code) : -1;
      }
      CloseHandle(watched->process);
    }
    watched->handler(end);
  }
};

namespace {

void CALLBACK processEnded(void* context, BOOLEAN timedOut) {
  const auto* watched = static_cast<const Win32ProcessWatcher::Watched*>(context);
  // A queue that is full does not lose the verdict: posted again until it is taken, or
  // until the watcher goes (its destructor waits for this call).
  while (PostMessageW(watched->window, kEndedMessage, watched->id, timedOut != FALSE ? 1 : 0) ==
             FALSE &&
         !watched->closing->load()) {
    Sleep(kRetryMs);
  }
}

}  // namespace

Win32ProcessWatcher::Win32ProcessWatcher(int boundMs)
    : boundMs_(boundMs), window_(createMessageWindow(kWindowClass, WatcherWindow::proc, this)) {}

Win32ProcessWatcher::~Win32ProcessWatcher() {
  closing_ = true;
  for (const auto& [id, watched] : watched_) {
    if (watched->process == nullptr) continue;
    UnregisterWaitEx(watched->wait, INVALID_HANDLE_VALUE);
    CloseHandle(watched->process);
  }
  DestroyWindow(static_cast<HWND>(window_));
}

void Win32ProcessWatcher::run(const std::string& commandLine, EndHandler handler) {
  auto watched = std::make_unique<Watched>();
  watched->handler = std::move(handler);
  watched->window = static_cast<HWND>(window_);
  watched->id = ++lastId_;
  watched->closing = &closing_;
  const StartedProcess started = startProcess(commandLine, SW_SHOWMINNOACTIVE);
  watched->program = started.fileName;
  if (started.process == nullptr) {
    watched->failed.error = started.error;
  } else if (RegisterWaitForSingleObject(&watched->wait, started.process, processEnded,
                                         watched.get(), static_cast<ULONG>(boundMs_),
                                         WT_EXECUTEONLYONCE) == 0) {
    // Started, but nothing could tell its end: no verdict, rather than one that never comes.
    CloseHandle(started.process);
    watched->failed = {
        true, -1, "its end cannot be waited for (error " + std::to_string(GetLastError()) + ")"};
  } else {
    watched->process = started.process;
  }
  // Never from inside this call: a failure too is reported from the message loop, through
  // a timer when the queue takes no more messages.
  if (watched->process == nullptr &&
      PostMessageW(watched->window, kEndedMessage, watched->id, 0) == FALSE &&
      SetTimer(watched->window, watched->id, USER_TIMER_MINIMUM, nullptr) == 0) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                            "the failure of \"" + commandLine + "\" cannot be reported");
  }
  watched_[watched->id] = std::move(watched);
}

}  // namespace reminder
