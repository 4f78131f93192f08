#include "behaviour/expiry/alarm_trigger.h"

#include "behaviour/alarm/arming.h"
#include "behaviour/alarm/clock.h"
#include "behaviour/awake/keep_awake.h"
#include "behaviour/expiry/expiry_sequence.h"

namespace reminder::expiry {

void attachAlarmTrigger(Context& context, Form1& form) {
  form.Label5.onChange = [&context] { Label5_Change(context); };
}

void Label5_Change(Context& context) {
  Form1& f = context.windows.form1();
  if (f.Label5.caption() == f.Text3.text()) {
    RunExpirySequence(
        context, f.Text3.text(),
        [&context, target = f.Text3.text()] {
          // While a power-off was awaited the alarm may have been cancelled and armed anew.
          if (context.windows.form1().Text3.text() != target) return;
          ResetAlarmAfterExpiry(context);
          // After an awaited verdict no clock change follows to catch Cancel up.
          alarm::CancelButtonHousekeeping(context);
        },
        f.Timer2.afterSleep);
  }
  clock::ClockHousekeeping(context);
  alarm::CancelButtonHousekeeping(context);
}

void ResetAlarmAfterExpiry(Context& context) {
  Form1& f = context.windows.form1();
  f.Command2.setEnabled(true);
  f.Option1.setValue(false);
  f.Option2.setValue(false);
  f.Text5.setText("");
  f.Text6.setText("");
  f.Text7.setText("");
  f.Option2.setEnabled(true);
  f.Option1.setEnabled(true);
  f.Text3.setText("");
  f.Text2.setText("");
  f.Text5.setEnabled(true);
  f.Text6.setEnabled(true);
  f.Text7.setEnabled(true);
  awake::KeepAwakeWhileSet(context);
}

}  // namespace reminder::expiry
