#include "alarm/clock.h"

namespace reminder::clock {

void attach(Context& context, Form1& form) {
  form.Timer2.onTimer = [&context] { Timer2_Timer(context); };
}

std::string clockText(Context& context, const TimeOfDay& time) {
  return context.platform.regional.timeText(time);
}

std::string clockText(Context& context) {
  return clockText(context, context.platform.clock.now());
}

bool offersAmPm(const std::string& clockText) {
  return !clockText.empty() && clockText.back() == 'M';
}

void Timer2_Timer(Context& context) {
  context.windows.form1().Label5.setCaption(clockText(context));
}

void ClockHousekeeping(Context& context) {
  Form1& f = context.windows.form1();
  if (offersAmPm(f.Label5.caption())) {
    f.Option1.setVisible(true);
    f.Option2.setVisible(true);
    return;
  }
  f.Option2.setVisible(false);
  f.Option1.setVisible(false);
  f.Option2.setValue(false);
  f.Option1.setValue(false);
  f.Text4.setText("");
}

}  // namespace reminder::clock
