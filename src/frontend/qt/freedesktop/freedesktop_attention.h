#pragma once

#include "frontend/qt/freedesktop/canberra_sound.h"
#include "frontend/qt/freedesktop/desktop_notifications.h"
#include "platform/attention.h"

namespace reminder {

// The attention of a freedesktop.org desktop: the sound theme's "alarm-clock-elapsed", the
// sound desktop clocks ring when a timer is done, and the notification service.
class FreedesktopAttention final : public Attention {
 public:
  // `iconName` names the program's icon in the icon theme, and its desktop entry.
  FreedesktopAttention(const std::string& applicationName, const std::string& iconName)
      : sound_(applicationName, iconName), notifications_(applicationName, iconName) {}

  void playTimeUpSound() override { sound_.play("alarm-clock-elapsed", "Time Up"); }
  void postNotice(const DesktopNotice& notice) override { notifications_.post(notice); }
  void withdrawNotice() override { notifications_.withdraw(); }

 private:
  CanberraSound sound_;
  DesktopNotifications notifications_;
};

}  // namespace reminder
