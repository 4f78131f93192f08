// The minutes field through Start and the countdown's steps. Whatever is typed, Start either
// refuses it with its message and changes nothing, or starts a countdown that lowers the
// field by one each minute down to "0", where the reminder comes (or the computer is shut
// down). Cancel, typing, the language and the auto shutdown switch may come in between.
#include <cmath>

#include "behaviour/countdown/countdown.h"
#include "behaviour/options/auto_shutdown.h"
#include "fuzz/fuzz_support.h"

namespace reminder::fuzz {
namespace {

const Message kRefusal{countdown::kMinutesPrompt, "Countdown", MessageButtons::Ok};
const Message kTimeUp{"Time Up", "Stop", MessageButtons::Ok};

// Steps of the user and of time while the countdown runs. Returns once it has ended.
void runCountdown(FuzzedDataProvider& in, Harness& app, double minutes) {
  Form1& f = app.form1();
  const std::int64_t startedAt = app.time.elapsed();
  for (int step = 0; step < 12 && f.Text8.visible(); ++step) {
    app.dialogs.clear();
    switch (in.ConsumeIntegralInRange(0, 5)) {
      case 0: {
        const std::int64_t ms = in.ConsumeIntegralInRange<std::int64_t>(0, 150'000);
        const bool shutsDown = autoshutdown::isOn(app.context());
        const auto lowered = (app.time.elapsed() + ms - startedAt) / 60'000;
        try {
          app.time.advance(ms);
        } catch (const test::ProcessEnded&) {
          require(shutsDown && lowered >= minutes, "only an expiry with auto shutdown ends");
          require(app.power.requests() == 1, "the power-off is asked for at the end");
          return;
        }
        if (lowered >= minutes) {
          require(app.dialogs.shown() == std::vector<Message>{kTimeUp}, "the reminder comes");
          require(f.Text1.text() == "0" && !f.Text8.visible(), "the countdown ends at \"0\"");
          return;
        }
        require(app.settings.toNumber(f.Text1.text()) == minutes - static_cast<double>(lowered),
                "the minutes field goes down by one each minute");
        break;
      }
      case 1:
        enter(in, f.Text1, 8);  // locked: refused silently
        break;
      case 2:
        f.Command1.click();  // disabled while running
        break;
      case 3:
        f.Command4.click();
        require(!f.Text8.visible() && f.Text1.text().empty(), "Cancel stops and empties");
        break;
      case 4:
        (in.ConsumeBool() ? f.Indonesian : f.English).click();
        break;
      default:
        (in.ConsumeBool() ? f.Onshut : f.Offshut).click();
    }
    require(app.dialogs.shown().empty() || app.dialogs.shown() == std::vector<Message>{kTimeUp},
            "no message but the reminder");
    requireInvariants(app);
  }
}

}  // namespace

void fuzzOne(FuzzedDataProvider& in) {
  Harness app;
  app.program.start();
  Form1& f = app.form1();
  const MessageAnswer answer = anyAnswer(in);
  enter(in, f.Text1, 12);
  requireInvariants(app);

  const std::string minutes = f.Text1.text();
  const std::optional<std::string> before = pressStart(app, f.Command1, answer);
  if (!before) return;
  if (!f.Text8.visible()) {
    requireRefused(app, *before, kRefusal);
    return;
  }
  const std::optional<double> value = app.settings.toNumber(minutes);
  require(value && std::trunc(*value) == *value && *value >= 1 && *value <= countdown::kMostMinutes,
          "only a whole number of minutes starts a countdown, however it is spelled");
  require(app.dialogs.pending() == 0, "the auto shutdown question was asked");
  require(f.Label15.caption() == "Time Set to " + minutes + " Minute", "the set time is shown");
  requireInvariants(app);
  runCountdown(in, app, *value);
}

}  // namespace reminder::fuzz
