#include "frontend/qt/qt_clock.h"

#include <QDateTime>

namespace reminder {

std::int64_t QtClock::utcMs() const {
  return QDateTime::currentMSecsSinceEpoch();
}

std::int64_t QtClock::zoneOffsetMs(std::int64_t utcMs) const {
  return QDateTime::fromMSecsSinceEpoch(utcMs).offsetFromUtc() * 1000LL;
}

}  // namespace reminder
