#include "expiry/shutdown_step.h"

namespace reminder::expiry {

std::string shutdownFailedPrompt(const std::string& reason) {
  const std::string why = reason.empty() ? "" : " (" + reason + ")";
  return "Auto Shutdown failed: the computer was not shut down" + why +
         "./Matikan otomatis gagal: komputer tidak dimatikan" + why + ".";
}

void PowerOffOrRemind(Context& context, const AfterExpiry& afterwards) {
  context.platform.power.requestPowerOff([&context, afterwards](const PowerOffVerdict& verdict) {
    if (verdict.accepted) context.platform.process.endNow();
    context.platform.dialogs.show(
        {shutdownFailedPrompt(verdict.reason), "Stop", MessageButtons::Ok});
    RemindOfExpiry(context);
    afterwards();
  });
}

}  // namespace reminder::expiry
