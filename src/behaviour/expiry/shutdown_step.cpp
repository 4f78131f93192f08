#include "behaviour/expiry/shutdown_step.h"

#include "behaviour/options/auto_shutdown.h"

namespace reminder::expiry {

std::string shutdownFailedPrompt(const std::string& reason) {
  // The system's own sentence ends in a full stop, which the prompt's sentence brings.
  const std::string said =
      !reason.empty() && reason.back() == '.' ? reason.substr(0, reason.size() - 1) : reason;
  const std::string why = said.empty() ? "" : " (" + said + ")";
  return "Auto Shutdown failed: the computer was not shut down" + why +
         "./Matikan otomatis gagal: komputer tidak dimatikan" + why + ".";
}

void PowerOffOrRemind(Context& context, const std::string& whatEnded,
                      const AfterExpiry& afterwards) {
  // Whatever else is set, a hold must not stand in the way of the program's own power-off.
  context.platform.awake.release();
  context.platform.power.requestPowerOff(
      [&context, whatEnded, afterwards](const PowerOffVerdict& verdict) {
        if (verdict.accepted) context.platform.process.endNow();
        context.platform.dialogs.show(
            {shutdownFailedPrompt(verdict.reason), autoshutdown::kBoxTitle, MessageButtons::Ok});
        RemindOfExpiry(context, whatEnded);
        afterwards();
      });
}

}  // namespace reminder::expiry
