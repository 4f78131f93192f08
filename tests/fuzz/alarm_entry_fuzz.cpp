// The alarm's hour, minute and second fields and the AM/PM choice through Start, under every
// clock format. Start either refuses the entry with its message and changes nothing, or arms
// a target that the clock shows, naming the entered time, and goes off there.
#include "behaviour/alarm/arming.h"
#include "fuzz/fuzz_support.h"

namespace reminder::fuzz {
namespace {

const Message kRefusal{alarm::kInvalidTime, "Alarm", MessageButtons::Ok};
const Message kTimeUp{"Time Up", "Stop", MessageButtons::Ok};

// The armed time names what was entered: the minute and second as typed, the hour on the
// clock's own dial.
void requireEnteredTime(Harness& app, const TimeOfDay& target) {
  const Form1& f = app.form1();
  const auto number = [&](const TextBox& field) { return app.settings.toNumber(field.text()); };
  require(number(f.Text6) == target.minute && number(f.Text7) == target.second,
          "the armed minute and second are the entered ones");
  const bool twelveHour = f.Option1.value() || f.Option2.value();
  const int dialHour = twelveHour ? (target.hour + 11) % 12 + 1 : target.hour;
  require(number(f.Text5) == dialHour, "the armed hour is the entered one");
  require(!twelveHour || f.Option2.value() == (target.hour >= 12), "AM and PM kept apart");
}

// Sets the clock just before the target and lets the alarm go off.
void requireGoesOff(Harness& app, const TimeOfDay& target, bool shutsDown) {
  const int of = (target.hour * 60 + target.minute) * 60 + target.second + 24 * 3600 - 2;
  app.time.setClock({of / 3600 % 24, of / 60 % 60, of % 60, 500});
  app.dialogs.clear();
  try {
    app.time.advance(2'000);
  } catch (const test::ProcessEnded&) {
    require(shutsDown, "only auto shutdown ends the program");
    return;
  }
  require(!shutsDown, "the shutdown came");
  require(app.dialogs.shown() == std::vector<Message>{kTimeUp}, "the alarm goes off once");
  require(app.form1().Text3.text().empty(), "the alarm is idle after going off");
  requireInvariants(app, false);
}

}  // namespace

void fuzzOne(FuzzedDataProvider& in) {
  Harness app(anyTimeStyle(in), anyTimeOfDay(in));
  app.program.start();
  app.time.advance(100);
  Form1& f = app.form1();
  const MessageAnswer answer = anyAnswer(in);
  const int choice = in.ConsumeIntegralInRange(0, 3);
  for (TextBox* field : {&f.Text5, &f.Text6, &f.Text7}) enter(in, *field, 3);
  if ((choice & 1) != 0) f.Option1.click();
  if ((choice & 2) != 0) f.Option2.click();
  requireInvariants(app, false);

  const std::optional<std::string> before = pressStart(app, f.Command2, answer);
  if (!before) return;
  if (f.Text3.text().empty()) {
    requireRefused(app, *before, kRefusal);
    return;
  }
  const std::optional<TimeOfDay> target = app.regional.parseTime(f.Text3.text());
  require(target.has_value(), "the target is a text the clock shows");
  require(app.dialogs.pending() == 0, "the auto shutdown question was asked");
  requireInvariants(app, false);
  requireEnteredTime(app, *target);
  requireGoesOff(app, *target, answer == MessageAnswer::Yes);
}

}  // namespace reminder::fuzz
