#include "behaviour/alarm/clock.h"

namespace reminder::clock {

namespace {

constexpr int kSecondsPerDay = 24 * 60 * 60;
// A clock that seems to have moved further ahead than this was put back instead.
constexpr int kLongestSkip = kSecondsPerDay / 2;

TimeOfDay secondsBefore(const TimeOfDay& time, int seconds) {
  const int of = ((time.hour * 60 + time.minute) * 60 + time.second - seconds) % kSecondsPerDay;
  const int day = (of + kSecondsPerDay) % kSecondsPerDay;
  return {day / 3600, day / 60 % 60, day % 60, time.millisecond};
}

// Whether the clock jumped over the armed alarm's second since the label last showed a time:
// ticks that came late on a busy machine, or the clock put forward by hand or for daylight
// saving. Looks back from now until it meets the time the label shows.
bool skippedAlarm(Context& context, const TimeOfDay& now, const std::string& nowText) {
  const Form1& f = context.windows.form1();
  const std::string& target = f.Text3.text();
  const std::string& shown = f.Label5.caption();
  if (target.empty() || nowText == shown || nowText == target) return false;
  bool passed = false;
  for (int back = 1; back <= kLongestSkip; ++back) {
    const std::string text = clockText(context, secondsBefore(now, back));
    if (text == shown) return passed;
    passed = passed || text == target;
  }
  return false;
}

}  // namespace

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
  Form1& f = context.windows.form1();
  const TimeOfDay now = context.platform.clock.now();
  const std::string nowText = clockText(context, now);
  // An alarm whose second was skipped goes off late rather than never: the clock shows that
  // second first, and the current time once the alarm has been dealt with.
  if (skippedAlarm(context, now, nowText)) {
    f.Label5.setCaption(f.Text3.text());
    f.Label5.setCaption(clockText(context));
    return;
  }
  f.Label5.setCaption(nowText);
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
