#pragma once

#include "frontend/win32/notification_area.h"
#include "platform/attention.h"

namespace reminder {

// The system's notification sound, and the notice as a balloon of the notification area.
class Win32Attention final : public Attention {
 public:
  explicit Win32Attention(NotificationArea& notices) : notices_(notices) {}

  void playTimeUpSound() override;
  void postNotice(const DesktopNotice& notice) override { notices_.post(notice); }
  void withdrawNotice() override { notices_.withdrawNewest(); }

 private:
  NotificationArea& notices_;
};

}  // namespace reminder
