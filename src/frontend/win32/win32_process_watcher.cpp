#include "frontend/win32/win32_process_watcher.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "system/windows/system_command_lookup.h"
#include "system/windows/wide_text.h"

namespace reminder {

namespace {

// Posted to the watcher's window: wParam names the watched process.
constexpr UINT kEndedMessage = WM_APP + 3;
constexpr wchar_t kWindowClass[] = L"ReminderProcessWatcher";

}  // namespace

struct Win32ProcessWatcher::Watched {
  EndHandler handler;
  HANDLE process = nullptr;
  HANDLE wait = nullptr;
  ProcessEnd failed;  // for a command that could not start
  HWND window = nullptr;
  WPARAM id = 0;
};

struct WatcherWindow {
  static LRESULT CALLBACK proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kEndedMessage) return DefWindowProcW(window, message, wParam, lParam);
    auto* watcher =
        reinterpret_cast<Win32ProcessWatcher*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (watcher != nullptr) ended(*watcher, wParam);
    return 0;
  }

  static void ended(Win32ProcessWatcher& watcher, WPARAM id) {
    const auto found = watcher.watched_.find(id);
    if (found == watcher.watched_.end()) return;
    const std::unique_ptr<Win32ProcessWatcher::Watched> watched = std::move(found->second);
    watcher.watched_.erase(found);
    ProcessEnd end = watched->failed;
    if (watched->process != nullptr) {
      UnregisterWaitEx(watched->wait, INVALID_HANDLE_VALUE);
      DWORD code = 0;
      end.started = true;
      end.exitCode = GetExitCodeProcess(watched->process, &code) != 0 ? static_cast<int>(code) : -1;
      CloseHandle(watched->process);
    }
    watched->handler(end);
  }
};

namespace {

void CALLBACK processEnded(void* context, BOOLEAN /*timedOut*/) {
  const auto* watched = static_cast<const Win32ProcessWatcher::Watched*>(context);
  PostMessageW(watched->window, kEndedMessage, watched->id, 0);
}

}  // namespace

Win32ProcessWatcher::Win32ProcessWatcher() {
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
  std::wstring line = wideText(commandLine);
  std::wstring program;
  if (const auto name = systemCommandName(line)) {
    if (const auto file = findProgramFile(*name, systemCommandFolders())) program = *file;
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWMINNOACTIVE;
  PROCESS_INFORMATION process{};
  if (line.empty() || (systemCommandName(line) && program.empty())) {
    watched->failed.error = commandLine + ": not in the program's folder nor the system folder";
  } else if (CreateProcessW(program.empty() ? nullptr : program.c_str(), line.data(), nullptr,
                            nullptr, FALSE, 0, nullptr, nullptr, &startup, &process) == 0) {
    watched->failed.error = "CreateProcess failed with error " + std::to_string(GetLastError());
  } else {
    CloseHandle(process.hThread);
    watched->process = process.hProcess;
    RegisterWaitForSingleObject(&watched->wait, process.hProcess, processEnded, watched.get(),
                                INFINITE, WT_EXECUTEONLYONCE);
  }
  // Never from inside this call: a failure too is reported from the message loop.
  if (watched->process == nullptr) {
    PostMessageW(watched->window, kEndedMessage, watched->id, 0);
  }
  watched_[watched->id] = std::move(watched);
}

}  // namespace reminder
