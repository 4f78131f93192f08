#include "behaviour/countdown/countdown.h"

#include <array>
#include <cmath>
#include <string_view>

#include "behaviour/awake/keep_awake.h"
#include "behaviour/options/auto_shutdown.h"

namespace reminder::countdown {

namespace {

const std::array kTimers{&Form1::Timer3, &Form1::Timer4, &Form1::Timer5, &Form1::Timer6};
const std::array kArms{&Form1::Line6, &Form1::Line7, &Form1::Line8, &Form1::Line9};

// A text whose value is a whole number of minutes, however the regional settings let it be
// spelled ("+2", "2.0", "1e3"). Any other value would give a countdown that never reaches
// "0" ("2.5", "-3", "00"), or one with no number to lower.
bool wholeMinutes(const Regional& regional, const std::string& text) {
  const std::optional<double> minutes = regional.toNumber(text);
  return minutes && std::trunc(*minutes) == *minutes && *minutes >= 1 && *minutes <= kMostMinutes;
}

// Both fields hold whole numbers while a countdown runs: Start lets nothing else into the
// minutes field and locks it, and only this module writes the seconds counter.
std::string oneLess(const Regional& regional, const std::string& text) {
  return regional.numberText(regional.toNumber(text).value_or(0) - 1);
}

// The set-time label shows the minutes as typed at Start for the whole run.
constexpr std::string_view kSetTimeBefore = "Time Set to ";
constexpr std::string_view kSetTimeAfter = " Minute";

std::string setTimeCaption(const std::string& minutes) {
  return std::string(kSetTimeBefore).append(minutes).append(kSetTimeAfter);
}

int wholeNumber(const Regional& regional, const std::string& text) {
  return static_cast<int>(regional.toNumber(text).value_or(0));
}

// The seconds passed of all the countdown was set to: the minutes field counts the minute
// under way among those left, and the counter the seconds left of it.
void showProgress(Context& context) {
  const Form1& form = context.windows.form1();
  const Regional& regional = context.platform.regional;
  const std::string& setTime = form.Label15.caption();
  const std::size_t typed = setTime.size() - kSetTimeBefore.size() - kSetTimeAfter.size();
  const int inAll = 60 * wholeNumber(regional, setTime.substr(kSetTimeBefore.size(), typed));
  const int left = 60 * (wholeNumber(regional, form.Text1.text()) - 1) +
                   wholeNumber(regional, form.Text8.text());
  context.platform.progress.show(inAll - left, inAll);
}

std::string autoShutdownNotice(const std::string& minutes) {
  return "Your Computer shut down automatic after " + minutes + " Minute(s) passed" +
         "/Komputer anda akan di matikan secara otomatis setelah " + minutes + " Menit berlalu";
}

}  // namespace

void attach(Context& context, Form1& form) {
  form.Command1.onClick = [&context] { Command1_Click(context); };
  form.Command4.onClick = [&context] { Command4_Click(context); };
  form.Timer3.onTimer = [&context] { Timer3_Timer(context); };
  form.Timer4.onTimer = [&context] { Timer4_Timer(context); };
  form.Timer5.onTimer = [&context] { Timer5_Timer(context); };
  form.Timer6.onTimer = [&context] { Timer6_Timer(context); };
  form.Text8.onChange = [&context] { Text8_Change(context); };
}

bool running(const Form1& form) {
  return form.Text8.visible();
}

void stopTicking(Form1& form) {
  for (const auto timer : kTimers) (form.*timer).setEnabled(false);
  form.Text8.setVisible(false);
  for (const auto arm : kArms) (form.*arm).setVisible(false);
}

void Command1_Click(Context& context) {
  Form1& form = context.windows.form1();
  const std::string minutes = form.Text1.text();
  if (!wholeMinutes(context.platform.regional, minutes)) {
    context.platform.dialogs.show({kMinutesPrompt, "Countdown", MessageButtons::Ok});
    return;
  }
  form.Text1.setLocked(true);
  form.Command1.setEnabled(false);
  form.Command4.setEnabled(true);
  form.Label15.setCaption(setTimeCaption(minutes));
  autoshutdown::AskAtStart(context, autoShutdownNotice(minutes));
  form.Text8.setText("60");
  for (const auto timer : kTimers) (form.*timer).setEnabled(true);
  form.Text8.setVisible(true);
  showProgress(context);
  awake::KeepAwakeWhileSet(context);
}

void Command4_Click(Context& context) {
  Form1& form = context.windows.form1();
  form.Text1.setLocked(false);
  // The alarm's housekeeping enables it again at the next clock change if an alarm is armed.
  form.Command3.setEnabled(false);
  form.Command1.setEnabled(true);
  form.Text1.setText("");
  form.Label15.setCaption("");
  autoshutdown::SetAutoShutdown(context, false);
  context.platform.progress.clear();
  // The field is empty now: nothing to start or cancel until a new number is typed.
  form.Command1.setEnabled(false);
  form.Command4.setEnabled(false);
  stopTicking(form);
  awake::KeepAwakeWhileSet(context);
}

void Timer3_Timer(Context& context) {
  Form1& form = context.windows.form1();
  form.Line6.setVisible(true);
  form.Line9.setVisible(false);
}

void Timer4_Timer(Context& context) {
  Form1& form = context.windows.form1();
  if (form.Text8.visible()) form.Command1.setEnabled(false);
  form.Line6.setVisible(false);
  form.Line7.setVisible(true);
  // At "0" the countdown has ended and waits for its end to be dealt with (a power-off may
  // be awaited): it counts no further.
  if (form.Text1.text() == "0") return;
  form.Text8.setText(oneLess(context.platform.regional, form.Text8.text()));
}

void Timer5_Timer(Context& context) {
  Form1& form = context.windows.form1();
  form.Line6.setVisible(false);
  form.Line7.setVisible(false);
  form.Line8.setVisible(true);
}

void Timer6_Timer(Context& context) {
  Form1& form = context.windows.form1();
  form.Line6.setVisible(false);
  form.Line7.setVisible(false);
  form.Line8.setVisible(false);
  form.Line9.setVisible(true);
}

void Text8_Change(Context& context) {
  Form1& form = context.windows.form1();
  // "60" is written back at the minute step, before the minutes field is lowered: the
  // counter's "0" has shown that moment already.
  if (form.Text8.text() == "60") return;
  // Before the minute step, which may end the countdown.
  showProgress(context);
  if (form.Text8.text() != "0") return;
  form.Text8.setText("60");
  // Lowering the minutes field runs its change handler, which decides whether time is up.
  form.Text1.setText(oneLess(context.platform.regional, form.Text1.text()));
}

}  // namespace reminder::countdown
