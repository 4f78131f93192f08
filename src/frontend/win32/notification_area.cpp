#include "frontend/win32/notification_area.h"

#include <commctrl.h>
#include <shellapi.h>

#include <utility>

#include "system/windows/wide_text.h"

namespace reminder {

namespace {

constexpr UINT_PTR kWatchId = 1;
constexpr int kProgramIcon = 1;  // the program file's one icon

HICON programIcon(HINSTANCE instance, int size) {
  HICON icon = nullptr;
  LoadIconMetric(instance, MAKEINTRESOURCEW(kProgramIcon), size, &icon);
  return icon;
}

// As much of `text` as the field holds, ended by the field's zeros.
template <std::size_t N>
void copyInto(const std::wstring& text, WCHAR (&field)[N]) {
  text.copy(field, N - 1);
}

}  // namespace

NotificationArea::NotificationArea(HINSTANCE instance, std::wstring tip)
    : tip_(std::move(tip)),
      shellStartedMessage_(RegisterWindowMessageW(L"TaskbarCreated")),
      // A top-level window, as a message-only one hears neither Explorer's start nor the
      // session's end.
      window_(CreateWindowExW(0, L"STATIC", nullptr, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              instance, nullptr)),
      smallIcon_(programIcon(instance, LIM_SMALL)),
      largeIcon_(programIcon(instance, LIM_LARGE)) {
  SetWindowSubclass(window_, watch, kWatchId, reinterpret_cast<DWORD_PTR>(this));
  // Explorer sends it from a process of its own: let it through to a program run as
  // administrator too.
  ChangeWindowMessageFilterEx(window_, shellStartedMessage_, MSGFLT_ALLOW, nullptr);
}

NotificationArea::~NotificationArea() {
  withdrawAll();
  RemoveWindowSubclass(window_, watch, kWatchId);
  DestroyWindow(window_);
  DestroyIcon(smallIcon_);
  DestroyIcon(largeIcon_);
}

void NotificationArea::post(const DesktopNotice& notice) {
  // Notices go newest first, so their places are their ids: the same few every time, for
  // Windows, which remembers every icon it was shown.
  up_.push_back(
      {static_cast<UINT>(up_.size() + 1), wideText(notice.summary), wideText(notice.body)});
  add(up_.back());
}

void NotificationArea::withdrawNewest() {
  if (up_.empty()) return;
  remove(up_.back());
  up_.pop_back();
}

void NotificationArea::withdrawAll() {
  while (!up_.empty()) withdrawNewest();
}

void NotificationArea::add(const Icon& icon) const {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = window_;
  data.uID = icon.id;
  data.uFlags = NIF_ICON | NIF_TIP | NIF_INFO;
  data.hIcon = smallIcon_;
  copyInto(tip_, data.szTip);
  copyInto(icon.title, data.szInfoTitle);
  copyInto(icon.text, data.szInfo);
  // The program's own icon, large; no sound, as the program plays its own.
  data.dwInfoFlags = NIIF_USER | NIIF_LARGE_ICON | NIIF_NOSOUND;
  data.hBalloonIcon = largeIcon_;
  Shell_NotifyIconW(NIM_ADD, &data);
}

void NotificationArea::remove(const Icon& icon) const {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = window_;
  data.uID = icon.id;
  Shell_NotifyIconW(NIM_DELETE, &data);
}

LRESULT CALLBACK NotificationArea::watch(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR /*id*/, DWORD_PTR self) {
  auto& area = *reinterpret_cast<NotificationArea*>(self);
  // Explorer started again, with an empty notification area.
  if (message == area.shellStartedMessage_) {
    for (const Icon& icon : area.up_) area.add(icon);
  }
  if (message == WM_ENDSESSION && wParam != FALSE) area.withdrawAll();
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace reminder
