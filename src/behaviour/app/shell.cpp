#include "behaviour/app/shell.h"

#include "behaviour/options/auto_shutdown.h"
#include "model/forms/credits.h"

namespace reminder::shell {

void attach(Context& context, Form1& form) {
  form.Minimize.onClick = [&context] { Minimize_Click(context); };
  form.Exit.onClick = [&context] { Exit_Click(context); };
  form.Help.onClick = [&context] { Help_Click(context); };
  form.About.onClick = [&context] { About_Click(context); };
  // Closing the main window by its frame asks first, as Exit does: ending silently would
  // drop a running countdown or an armed alarm without a word. Not while the program's own
  // power-off is under way: the desktop ending the session closes every window (KWin does on
  // Wayland), and a question then would hold up the shutdown the program asked for.
  form.onCloseRequest = [&context] {
    if (context.platform.power.poweringOff()) {
      context.platform.process.endNow();
    } else {
      Exit_Click(context);
    }
  };
}

void Form_Load(Context& context) {
  context.windows.form1().Timer2.setInterval(100);
  autoshutdown::ShowAutoShutdownStatus(context);
}

void Minimize_Click(Context& context) {
  context.windows.form1().setWindowState(WindowState::Minimized);
}

void Exit_Click(Context& context) {
  const MessageAnswer answer =
      context.platform.dialogs.show({kExitQuestion, "Exit", MessageButtons::YesNo});
  if (answer == MessageAnswer::Yes) {
    // The system lets go with the process too; letting go first leaves no doubt.
    context.platform.awake.release();
    context.platform.process.endNow();
  }
  context.windows.form1().show();
}

void Help_Click(Context& context) {
  context.platform.dialogs.show({kHelpText, "Help", MessageButtons::Ok});
}

void About_Click(Context& context) {
  context.platform.dialogs.show({credits::kAboutLine, "About", MessageButtons::Ok});
}

}  // namespace reminder::shell
