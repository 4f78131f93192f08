#pragma once

#include "platform/attention.h"

namespace reminder {

// The system's notification sound. Windows has no desktop notice a program can post without
// a registered app identity, so the Time Up window (on top of everything) is the notice.
class Win32Attention final : public Attention {
 public:
  void playTimeUpSound() override;
  void postNotice(const DesktopNotice& notice) override;
  void withdrawNotice() override;
};

}  // namespace reminder
