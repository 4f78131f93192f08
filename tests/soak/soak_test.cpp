// A week of use in virtual time: countdowns and alarms started, cancelled and going off,
// the language switched, auto shutdown and both pickers armed and cleared, the Time Up
// window shown and put away, in random order from a fixed seed. Every invariant holds after
// every step, and from the second day on the heap does not grow.
#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>

#include "behaviour/expiry/shutdown_step.h"
#include "support/invariants.h"

#if defined(__SANITIZE_ADDRESS__)
#define REMINDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define REMINDER_ASAN 1
#endif
#endif
#ifdef REMINDER_ASAN
#include <sanitizer/allocator_interface.h>
#endif

namespace reminder::test {
namespace {

constexpr std::int64_t kSecond = 1'000;
constexpr std::int64_t kDay = 24 * 60 * 60 * kSecond;
// What the heap may wander by between the ends of two days: strings of other lengths, not
// a leak (one message kept per expiry would be hundreds of kilobytes by day 7).
constexpr std::size_t kHeapNoise = 64U * 1024;

std::size_t heapInUse() {
#ifdef REMINDER_ASAN
  return __sanitizer_get_current_allocated_bytes();
#else
  return mallinfo2().uordblks;
#endif
}

// One user at the program for a week, choosing at random what to do next.
constexpr const char* kRefusal = "Access denied";

class Week {
 public:
  Week() {
    app.files.addDrive("/");
    app.files.addFolder("/", "/home");
    app.files.addProgram("/home", "game");
    // No right to power off: a shutdown at expiry is reported and the week goes on.
    app.power.answer({false, kRefusal});
    app.program.start();
  }

  void step() {
    const Message timeUp{"Time Up", "Stop", MessageButtons::Ok};
    switch (pick(12)) {
      case 0:
      case 1:
        startCountdown();
        break;
      case 2:
        count(f().Command4.enabled() && f().Text8.visible() ? "countdowns cancelled" : "");
        f().Command4.click();
        break;
      case 3:
      case 4:
        armAlarm();
        break;
      case 5:
        count(f().Command3.enabled() ? "alarms cancelled" : "");
        f().Command3.click();
        break;
      case 6:
        (pick(2) == 0 ? f().English : f().Indonesian).click();
        count("language switches");
        break;
      case 7:
        (pick(2) == 0 ? f().Onshut : f().Offshut).click();
        break;
      case 8:
        autoRun();
        break;
      case 9:
        autoClose();
        break;
      case 10:
        count(app.splash().visible() ? "Time Up windows put away" : "");
        if (pick(2) == 0) {
          app.splash().Image1.click();
        } else {
          app.splash().requestClose();
        }
        break;
      default:
        shellCommand();
    }
    app.time.advance(gap());
    for (const Message& message : app.dialogs.shown()) {
      if (message == timeUp) ++expiries;
      if (message.prompt == expiry::shutdownFailedPrompt(kRefusal)) {
        count("shutdowns refused and reported");
      }
    }
    for (const std::string& event : app.attention.events()) sounds += event == "sound" ? 1 : 0;
    app.dialogs.clear();
    app.commands.clear();
    app.attention.clear();
    app.progress.events.clear();
    app.awake.events.clear();
    ++steps;
  }

  Harness app{TimeStyle::TwelveHour, {8, 0, 0, 0}};
  std::map<std::string, int> counts;
  long expiries = 0;
  long sounds = 0;
  long steps = 0;

 private:
  Form1& f() { return app.form1(); }
  int pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
  void count(const std::string& what) {
    if (!what.empty()) ++counts[what];
  }
  MessageAnswer answer() { return pick(4) == 0 ? MessageAnswer::Yes : MessageAnswer::No; }

  // Mostly short waits, now and then a long one: countdowns and alarms go off in between.
  std::int64_t gap() {
    const int kind = pick(20);
    const std::int64_t longest = kind == 0  ? 45 * 60 * kSecond
                                 : kind < 6 ? 3 * 60 * kSecond
                                            : 20 * kSecond;
    return kSecond + static_cast<std::int64_t>(random_() % static_cast<unsigned>(longest));
  }

  void startCountdown() {
    if (f().Text8.visible()) return;
    f().Text1.userEdit("");
    test::type(f().Text1, std::array{"1", "2", "3", "5", "x"}[pick(5)]);
    if (!f().Command1.enabled()) return;
    app.dialogs.answer(answer());
    f().Command1.click();
    count(f().Text8.visible() ? "countdowns started" : "countdowns refused");
  }

  void armAlarm() {
    if (!f().Text3.text().empty()) return;
    const std::int64_t ahead = kSecond * (5 + pick(40 * 60));
    const std::int64_t at = (app.time.elapsed() + 8 * 3'600'000 + ahead) / kSecond % 86'400;
    const int hour = static_cast<int>(at / 3600);
    for (TextBox* field : {&f().Text5, &f().Text6, &f().Text7}) field->userEdit("");
    test::type(f().Text5, std::to_string((hour + 11) % 12 + 1));
    test::type(f().Text6, std::to_string(at / 60 % 60));
    test::type(f().Text7, std::to_string(at % 60));
    (hour < 12 ? f().Option1 : f().Option2).click();
    app.dialogs.answer(answer());
    f().Command2.click();
    count("alarms armed");
  }

  void autoRun() {
    switch (pick(3)) {
      case 0:
        f().Selprog.click();
        app.form2().Dir1.setPath("/home");
        app.form2().File1.select("game");
        app.form2().Check1.click();
        count("auto-run confirmations");
        break;
      case 1:
        f().Selprog.click();
        app.form2().Command1.click();
        break;
      default:
        f().cancel.click();
    }
  }

  void autoClose() {
    switch (pick(3)) {
      case 0:
        f().selproc.click();
        for (CheckBox* box :
             {&app.form3().Check1, &app.form3().Check2, &app.form3().Check3, &app.form3().Check4}) {
          if (pick(2) == 0) box->click();
        }
        app.form3().Check5.click();
        count("auto-close confirmations");
        break;
      case 1:
        f().selproc.click();
        (pick(2) == 0 ? app.form3().Command1 : app.form3().Command2).click();
        break;
      default:
        f().cancelc.click();
    }
  }

  void shellCommand() {
    switch (pick(3)) {
      case 0:
        f().Help.click();
        break;
      case 1:
        f().About.click();
        break;
      default:
        app.dialogs.answer(MessageAnswer::No);
        f().Exit.click();
    }
  }

  std::mt19937_64 random_{20'240'607};
};

TEST(SoakTest, AWeekOfUseKeepsEveryInvariantAndTheHeapFlat) {
  Week week;
  std::vector<std::size_t> heapAtDayEnd;
  for (int day = 1; day <= 7; ++day) {
    while (week.app.time.elapsed() < day * kDay) {
      week.step();
      const std::vector<std::string> broken = brokenInvariants(week.app, true);
      ASSERT_TRUE(broken.empty()) << "step " << week.steps << ": " << broken.front();
    }
    heapAtDayEnd.push_back(heapInUse());
  }

  std::printf("%ld steps, %ld Time Up notices\n", week.steps, week.expiries);
  for (const auto& [what, times] : week.counts) std::printf("%s: %d\n", what.c_str(), times);
  for (std::size_t day = 0; day < heapAtDayEnd.size(); ++day) {
    std::printf("heap at the end of day %zu: %zu bytes\n", day + 1, heapAtDayEnd[day]);
  }
  EXPECT_GT(week.expiries, 100);
  EXPECT_EQ(week.sounds, week.expiries) << "one sound for each Time Up notice";
  EXPECT_GT(week.counts["countdowns started"], 100);
  EXPECT_GT(week.counts["alarms armed"], 100);
  const auto [least, most] = std::minmax_element(heapAtDayEnd.begin() + 1, heapAtDayEnd.end());
  EXPECT_LT(*most - *least, kHeapNoise) << "the heap grows from day 2 to day 7";
}

}  // namespace
}  // namespace reminder::test
