#include "frontend/win32/exit_clearing_notices.h"

#include "system/immediate_exit.h"

namespace reminder {

void ExitClearingNotices::endNow() {
  notices_.withdrawAll();
  ImmediateExit().endNow();
}

}  // namespace reminder
