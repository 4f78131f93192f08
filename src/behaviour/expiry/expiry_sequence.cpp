#include "behaviour/expiry/expiry_sequence.h"

#include "behaviour/awake/keep_awake.h"
#include "behaviour/expiry/shutdown_step.h"
#include "behaviour/options/auto_close.h"
#include "behaviour/options/auto_shutdown.h"

namespace reminder::expiry {

namespace {

// Returns the players that could not be closed, for the user to be told.
std::string closePlayers(Context& context) {
  Form3& picker = context.windows.form3();
  if (!picker.Check5.ticked()) return {};
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
  return notClosed;
}

}  // namespace

void RunExpirySequence(Context& context, const std::string& whatEnded,
                       const AfterExpiry& afterwards, bool dueWhileAsleep) {
  awake::KeepAwakeWhileSet(context);
  if (autoshutdown::isOn(context)) {
    if (!dueWhileAsleep) {
      PowerOffOrRemind(context, whatEnded, afterwards);
      return;
    }
    context.platform.dialogs.show({kAsleepAtExpiry, "Information", MessageButtons::Ok});
  }
  RemindOfExpiry(context, whatEnded);
  afterwards();
}

void RemindOfExpiry(Context& context, const std::string& whatEnded) {
  Form2& autoRun = context.windows.form2();
  if (autoRun.Check1.ticked()) autoRun.Timer1.setEnabled(true);
  const std::string notClosed = closePlayers(context);
  // The user counted on these being closed, as on the picked program being started; the
  // reminder is on screen first, whatever they do with the news.
  ShowTimeUpNotice(context, whatEnded, [&] {
    if (notClosed.empty()) return;
    context.platform.dialogs.show({autoCloseFailedPrompt(notClosed), kAutoCloseTitle,
                                   MessageButtons::Ok, &context.windows.frmSplash()});
  });
}

std::string autoCloseFailedPrompt(const std::string& players) {
  return "Auto Close failed: " + players +
         " could not be closed./Tutup otomatis gagal: " + players + " tidak dapat ditutup.";
}

void ShowTimeUpNotice(Context& context, const std::string& whatEnded,
                      const std::function<void()>& beforeTheBox) {
  FrmSplash& window = context.windows.frmSplash();
  // Minimised by the user at an earlier notice, it comes back up.
  window.setWindowState(WindowState::Normal);
  window.show();
  // Shown already, behind a full-screen program the user went back to, it comes forward.
  window.callForAttention();
  Attention& attention = context.platform.attention;
  attention.playTimeUpSound();
  attention.postNotice({"Time Up", whatEnded});
  if (beforeTheBox) beforeTheBox();
  context.platform.dialogs.show({"Time Up", "Stop", MessageButtons::Ok, &window});
  attention.withdrawNotice();
}

}  // namespace reminder::expiry
