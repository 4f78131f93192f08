#pragma once

#include "frontend/win32/notification_area.h"
#include "platform/process_control.h"

namespace reminder {

// Ends the process at once, as ImmediateExit does, once the notices' icons are off the
// notification area: Explorer would show an ended program's icons until the mouse passes
// over them.
class ExitClearingNotices final : public ProcessControl {
 public:
  explicit ExitClearingNotices(NotificationArea& notices) : notices_(notices) {}

  [[noreturn]] void endNow() override;

 private:
  NotificationArea& notices_;
};

}  // namespace reminder
