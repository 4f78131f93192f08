#include "behaviour/awake/keep_awake.h"

namespace reminder::awake {

void KeepAwakeWhileSet(Context& context) {
  const Form1& f = context.windows.form1();
  // The countdown's counter shows while it runs; the alarm's target is set while it is armed.
  const bool countdown = f.Text8.visible() && f.Text1.text() != "0";
  const bool alarm = !f.Text3.text().empty() && f.Label5.caption() != f.Text3.text();
  std::string reason = countdown ? f.Label15.caption() : "";
  if (alarm) reason += (reason.empty() ? "" : ", ") + ("Alarm at " + f.Text3.text());
  if (reason.empty()) {
    context.platform.awake.release();
  } else {
    context.platform.awake.hold(reason);
  }
}

}  // namespace reminder::awake
