#include "platform/qt/qt_clock.h"

#include <QTime>

namespace reminder {

TimeOfDay QtClock::now() const {
  const QTime t = QTime::currentTime();
  return {t.hour(), t.minute(), t.second(), t.msec()};
}

}  // namespace reminder
