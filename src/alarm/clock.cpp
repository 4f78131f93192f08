#include "alarm/clock.h"

namespace reminder::clock {

void attach(Context& context, Form1& form) {
  form.Timer2.onTimer = [&context] { Timer2_Timer(context); };
}

std::string clockText(Context& context) {
  return context.platform.regional.timeText(context.platform.clock.now());
}

void Timer2_Timer(Context& context) { context.windows.form1().Label5.setCaption(clockText(context)); }

}  // namespace reminder::clock
