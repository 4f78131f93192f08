// Timers of the windows driven in virtual time.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "behaviour/app/timer_binding.h"
#include "model/controls/form.h"
#include "support/virtual_time.h"

namespace reminder {
namespace {

class Window final : public Form {
 public:
  Window() : Form("Window") {}
  Timer Fast{*this, "Fast", 500, false};
  Timer Slow{*this, "Slow", 1000, false};
  Timer Idle{*this, "Idle", 0, true};
};

class TimersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    binding.bind(window);
    window.Fast.onTimer = [this] { fired.push_back("Fast@" + std::to_string(time.elapsed())); };
    window.Slow.onTimer = [this] { fired.push_back("Slow@" + std::to_string(time.elapsed())); };
    window.Idle.onTimer = [this] { fired.emplace_back("Idle"); };
  }

  test::VirtualTime time;
  TimerBinding binding{time, time};
  Window window;
  std::vector<std::string> fired;
};

TEST_F(TimersTest, DueTimersFireInDueOrderTiesInTheOrderTheyWereEnabled) {
  window.Slow.setEnabled(true);
  window.Fast.setEnabled(true);
  time.advance(2000);
  EXPECT_EQ(fired, (std::vector<std::string>{"Fast@500", "Slow@1000", "Fast@1000", "Fast@1500",
                                             "Slow@2000", "Fast@2000"}));
}

TEST_F(TimersTest, AnIntervalOfZeroNeverTicksUntilOneIsSet) {
  time.advance(1000);
  EXPECT_TRUE(fired.empty());
  window.Idle.setInterval(100);
  time.advance(250);
  EXPECT_EQ(fired, (std::vector<std::string>{"Idle", "Idle"}));
}

TEST_F(TimersTest, DisablingStopsTicksAndEnablingStartsAFreshInterval) {
  window.Slow.setEnabled(true);
  time.advance(1500);
  window.Slow.setEnabled(false);
  time.advance(1000);
  window.Slow.setEnabled(true);
  time.advance(1000);
  EXPECT_EQ(fired, (std::vector<std::string>{"Slow@1000", "Slow@3500"}));
}

TEST_F(TimersTest, ATickDueWhileOneWaitsInAModalBoxComesOnceRightAfterItAndOthersGoOn) {
  bool waiting = false;
  int slowTicks = 0;
  window.Slow.onTimer = [&] {
    ++slowTicks;
    if (slowTicks == 1) {
      waiting = true;
      time.advance(3000);  // the user takes three seconds to answer
      waiting = false;
    }
  };
  window.Fast.onTimer = [&] { fired.push_back(waiting ? "Fast while waiting" : "Fast"); };
  window.Slow.setEnabled(true);
  window.Fast.setEnabled(true);
  time.advance(1000);
  EXPECT_EQ(slowTicks, 1);
  EXPECT_EQ(fired.size(), 8U);
  EXPECT_EQ(fired.front(), "Fast");
  EXPECT_EQ(fired.back(), "Fast while waiting");
  time.advance(0);
  EXPECT_EQ(slowTicks, 2);  // the three that fell due meanwhile, held back as one
  time.advance(999);
  EXPECT_EQ(slowTicks, 2);
}

TEST(VirtualClock, FollowsVirtualTimeAndWrapsAtMidnight) {
  test::VirtualTime time({23, 59, 59, 500});
  time.advance(600);
  const TimeOfDay now = time.now();
  EXPECT_EQ(now.hour, 0);
  EXPECT_EQ(now.minute, 0);
  EXPECT_EQ(now.second, 0);
  EXPECT_EQ(now.millisecond, 100);
}

}  // namespace
}  // namespace reminder
