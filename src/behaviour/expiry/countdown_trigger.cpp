#include "behaviour/expiry/countdown_trigger.h"

#include "behaviour/awake/keep_awake.h"
#include "behaviour/countdown/countdown.h"
#include "behaviour/expiry/expiry_sequence.h"

namespace reminder::expiry {

void attachCountdownTrigger(Context& context, Form1& form) {
  form.Text1.onChange = [&context] { Text1_Change(context); };
}

void Text1_Change(Context& context) {
  Form1& form = context.windows.form1();
  // Only the countdown's own minute step ends it. A "0" typed into the idle field is a user
  // on the way to "05", and must not shut the computer down.
  if (form.Text1.text() == "0" && countdown::running(form)) {
    context.platform.progress.showTimeUp();
    RunExpirySequence(
        context, form.Label15.caption(),
        [&context] {
          // A power-off may have been awaited meanwhile, and the countdown cancelled and
          // started again: only the one that ended, standing at "0", is reset.
          const Form1& now = context.windows.form1();
          if (now.Text1.text() == "0" && countdown::running(now)) {
            ResetCountdownAfterExpiry(context);
          }
        },
        form.Timer4.afterSleep);
  }
  // Start stays disabled for the whole run: pressing it again would restart the minute.
  if (countdown::running(form)) return;
  form.Command1.setEnabled(form.Text1.text() != "0");
}

void ResetCountdownAfterExpiry(Context& context) {
  Form1& form = context.windows.form1();
  form.Label15.setCaption("");
  form.Text1.setLocked(false);
  countdown::stopTicking(form);
  context.platform.progress.clear();
  awake::KeepAwakeWhileSet(context);
}

}  // namespace reminder::expiry
