#include "frontend/win32/win32_process_watcher.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "system/windows/process_start.h"

namespace reminder {

namespace {

// Posted to the watcher's window: wParam names the watched process, lParam is 1 when the
// bound was reached before it ended.
constexpr UINT kEndedMessage = WM_APP + 3;
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
};

struct WatcherWindow {
  static LRESULT CALLBACK proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kEndedMessage) return DefWindowProcW(window, message, wParam, lParam);
    auto* watcher =
        reinterpret_cast<Win32ProcessWatcher*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (watcher != nullptr) ended(*watcher, wParam, lParam != 0);
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
  // A queue that is full for a moment does not lose the verdict: tried again for a second.
  for (int tries = 0; tries < 100; ++tries) {
    if (PostMessageW(watched->window, kEndedMessage, watched->id, timedOut != FALSE ? 1 : 0) !=
            FALSE ||
        GetLastError() != ERROR_NOT_ENOUGH_QUOTA) {
      return;
    }
    Sleep(10);
  }
}

}  // namespace

Win32ProcessWatcher::Win32ProcessWatcher(int boundMs) : boundMs_(boundMs) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WatcherWindow::proc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);
  const HWND window = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      instance, nullptr);
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  window_ = window;
}

Win32ProcessWatcher::~Win32ProcessWatcher() {
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
  // Never from inside this call: a failure too is reported from the message loop.
  if (watched->process == nullptr) {
    PostMessageW(watched->window, kEndedMessage, watched->id, 0);
  }
  watched_[watched->id] = std::move(watched);
}

}  // namespace reminder
