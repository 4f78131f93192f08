#include "frontend/qt/qt_clock.h"

#include <QDateTime>

namespace reminder {

namespace {

constexpr qint64 kMsPerMinute = 60LL * 1000;
constexpr qint64 kMsPerDay = 24LL * 60 * kMsPerMinute;

qint64 floorDiv(qint64 value, qint64 divisor) {
  return value / divisor - static_cast<qint64>(value % divisor < 0);
}

}  // namespace

TimeOfDay QtClock::now() const {
  const qint64 utcMs = QDateTime::currentMSecsSinceEpoch();
  const qint64 minute = floorDiv(utcMs, kMsPerMinute);
  if (minute != offsetMinute_) {
    offsetMs_ = QDateTime::fromMSecsSinceEpoch(minute * kMsPerMinute).offsetFromUtc() * 1000LL;
    offsetMinute_ = minute;
  }
  const qint64 localMs = utcMs + offsetMs_;
  const auto msOfDay = static_cast<int>(localMs - floorDiv(localMs, kMsPerDay) * kMsPerDay);
  return {msOfDay / 3'600'000, msOfDay / 60'000 % 60, msOfDay / 1000 % 60, msOfDay % 1000};
}

}  // namespace reminder
