#include "frontend/win32/win32_taskbar_progress.h"

#include <commctrl.h>

#include <utility>

namespace reminder {

namespace {

constexpr UINT_PTR kWatchId = 1;

}  // namespace

ITaskbarList3* systemTaskbar() {
  ITaskbarList3* taskbar = nullptr;
  if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskbarList3,
                              reinterpret_cast<void**>(&taskbar)))) {
    return nullptr;
  }
  if (FAILED(taskbar->HrInit())) {
    taskbar->Release();
    return nullptr;
  }
  return taskbar;
}

Win32TaskbarProgress::Win32TaskbarProgress(std::function<ITaskbarList3*()> taskbar)
    : askTaskbar_(std::move(taskbar)),
      buttonCreatedMessage_(RegisterWindowMessageW(L"TaskbarButtonCreated")),
      applyMessage_(RegisterWindowMessageW(L"ReminderTaskbarProgress")) {}

Win32TaskbarProgress::~Win32TaskbarProgress() {
  detach();
  if (taskbar_ != nullptr) taskbar_->Release();
}

void Win32TaskbarProgress::attach(HWND mainWindow) {
  window_ = mainWindow;
  SetWindowSubclass(window_, watch, kWatchId, reinterpret_cast<DWORD_PTR>(this));
  // Explorer sends the message from a process of its own: let it through to a program run
  // as administrator too.
  ChangeWindowMessageFilterEx(window_, buttonCreatedMessage_, MSGFLT_ALLOW, nullptr);
  update(wanted_);
}

void Win32TaskbarProgress::show(int secondsPassed, int secondsInAll) {
  update(
      {TBPF_NORMAL, static_cast<ULONGLONG>(secondsPassed), static_cast<ULONGLONG>(secondsInAll)});
}

void Win32TaskbarProgress::showTimeUp() {
  update({TBPF_PAUSED, wanted_.passed, wanted_.inAll});
}

void Win32TaskbarProgress::clear() {
  update({});
}

void Win32TaskbarProgress::update(const Bar& bar) {
  wanted_ = bar;
  if (window_ == nullptr || applyPosted_) return;
  applyPosted_ = PostMessageW(window_, applyMessage_, 0, 0) != 0;
}

void Win32TaskbarProgress::apply() {
  applyPosted_ = false;
  if (wanted_ == shown_) return;
  if (!taskbarAsked_) {
    taskbar_ = askTaskbar_();
    taskbarAsked_ = true;
  }
  if (taskbar_ == nullptr) return;
  // A value turns a bar without progress normal, and leaves a paused one paused.
  const bool valued = wanted_.state != TBPF_NOPROGRESS;
  if (valued && FAILED(taskbar_->SetProgressValue(window_, wanted_.passed, wanted_.inAll))) return;
  // Until the button exists the calls fail, and the bar is shown once it does.
  if (FAILED(taskbar_->SetProgressState(window_, wanted_.state))) return;
  shown_ = wanted_;
}

void Win32TaskbarProgress::buttonCreated() {
  // A new button (Explorer may have started again, with a new list) shows nothing yet.
  if (taskbar_ != nullptr) taskbar_->Release();
  taskbar_ = nullptr;
  taskbarAsked_ = false;
  shown_ = {};
  apply();
}

void Win32TaskbarProgress::detach() {
  if (window_ == nullptr) return;
  RemoveWindowSubclass(window_, watch, kWatchId);
  window_ = nullptr;
}

LRESULT CALLBACK Win32TaskbarProgress::watch(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR /*id*/, DWORD_PTR self) {
  auto& progress = *reinterpret_cast<Win32TaskbarProgress*>(self);
  if (message == progress.applyMessage_) {
    progress.apply();
    return 0;
  }
  if (message == progress.buttonCreatedMessage_) progress.buttonCreated();
  if (message == WM_NCDESTROY) progress.detach();
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace reminder
