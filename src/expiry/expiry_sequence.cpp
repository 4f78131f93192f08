#include "expiry/expiry_sequence.h"

#include "expiry/shutdown_step.h"
#include "options/auto_close.h"
#include "options/auto_shutdown.h"

namespace reminder::expiry {

namespace {

void closePlayers(Context& context) {
  Form3& picker = context.windows.form3();
  if (!picker.Check5.ticked()) return;
  std::string notClosed;
  for (const autoclose::Player& player : autoclose::kPlayers) {
    if (!(picker.*player.box).ticked()) continue;
    if (!context.platform.commands.start(player.killCommand, WindowStyle::MinimizedWithFocus)
             .started) {
      notClosed += (notClosed.empty() ? "" : ", ") + std::string(player.name);
    }
    context.windows.form1().Label17.setCaption("");
  }
  // The choice is used once, like the auto-run choice, so the status line and the
  // choice agree after the expiry.
  autoclose::ClearChoice(context);
  // The user counted on these being closed, as on the picked program being started.
  if (!notClosed.empty()) {
    context.platform.dialogs.show(
        {autoCloseFailedPrompt(notClosed), kAutoCloseTitle, MessageButtons::Ok});
  }
}

}  // namespace

void RunExpirySequence(Context& context, const AfterExpiry& afterwards) {
  if (autoshutdown::isOn(context)) {
    PowerOffOrRemind(context, afterwards);
    return;
  }
  RemindOfExpiry(context);
  afterwards();
}

void RemindOfExpiry(Context& context) {
  Form2& autoRun = context.windows.form2();
  if (autoRun.Check1.ticked()) autoRun.Timer1.setEnabled(true);
  closePlayers(context);
  ShowTimeUpNotice(context);
}

std::string autoCloseFailedPrompt(const std::string& players) {
  return "Auto Close failed: " + players +
         " could not be closed./Tutup otomatis gagal: " + players + " tidak dapat ditutup.";
}

void ShowTimeUpNotice(Context& context) {
  context.windows.frmSplash().show();
  context.platform.dialogs.show({"Time Up", "Stop", MessageButtons::Ok});
}

}  // namespace reminder::expiry
