#pragma once

#include <string>
#include <vector>

#include "frontend/win32/win32_headers.h"
#include "platform/attention.h"

namespace reminder {

// Notices as balloons of the program's icon in the notification area, which Windows 10 and
// 11 turn into notifications of their own, named after the program file's description. An
// icon is there only while its notice waits: one icon a notice, taken away newest first, all
// of them when the program or the session ends, and put back if Explorer starts again
// meanwhile. Without a notification area nothing shows and nothing is said.
class NotificationArea {
 public:
  // `tip`: what the icon says when pointed at.
  NotificationArea(HINSTANCE instance, std::wstring tip);
  ~NotificationArea();
  NotificationArea(const NotificationArea&) = delete;
  NotificationArea& operator=(const NotificationArea&) = delete;
  NotificationArea(NotificationArea&&) = delete;
  NotificationArea& operator=(NotificationArea&&) = delete;

  void post(const DesktopNotice& notice);
  void withdrawNewest();
  void withdrawAll();

 private:
  struct Icon {
    UINT id;
    std::wstring title;
    std::wstring text;
  };

  static LRESULT CALLBACK watch(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                UINT_PTR id, DWORD_PTR self);
  void add(const Icon& icon) const;
  void remove(const Icon& icon) const;

  std::wstring tip_;
  UINT shellStartedMessage_;
  HWND window_;  // the icons' owner, never shown
  HICON smallIcon_;
  HICON largeIcon_;
  std::vector<Icon> up_;  // oldest first
};

}  // namespace reminder
