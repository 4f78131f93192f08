// The clock's time of day against Qt's own local time, in zones whose offsets are not whole
// hours and on either side of the date line.
#include "frontend/qt/qt_clock.h"

#include <gtest/gtest.h>

#include <QTime>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace reminder {
namespace {

// Sets TZ for one test and puts back what was there.
class ZoneForTest {
 public:
  explicit ZoneForTest(const char* zone) {
    if (const char* old = std::getenv("TZ")) old_ = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ZoneForTest(const ZoneForTest&) = delete;
  ZoneForTest& operator=(const ZoneForTest&) = delete;
  ZoneForTest(ZoneForTest&&) = delete;
  ZoneForTest& operator=(ZoneForTest&&) = delete;
  ~ZoneForTest() {
    if (old_) {
      setenv("TZ", old_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

 private:
  std::optional<std::string> old_;
};

int msOfDay(const TimeOfDay& time) {
  return ((time.hour * 60 + time.minute) * 60 + time.second) * 1000 + time.millisecond;
}

TEST(QtClockTest, ShowsTheLocalTimeOfDayInEveryZone) {
  for (const char* zone : {"UTC", "Asia/Kathmandu", "America/St_Johns", "Pacific/Kiritimati",
                           "Pacific/Pago_Pago", "Europe/Berlin"}) {
    SCOPED_TRACE(zone);
    const ZoneForTest inZone(zone);
    const QtClock clock;
    const int before = QTime::currentTime().msecsSinceStartOfDay();
    const TimeOfDay now = clock.now();
    const int after = QTime::currentTime().msecsSinceStartOfDay();
    if (after < before) continue;  // midnight passed in between
    EXPECT_GE(msOfDay(now), before);
    EXPECT_LE(msOfDay(now), after);
    EXPECT_LT(now.hour, 24);
  }
}

}  // namespace
}  // namespace reminder
