#include "platform/qt/qt_regional.h"

#include <QTime>

namespace reminder {

QtRegional::QtRegional() : QtRegional(QLocale::system()) {}

QtRegional::QtRegional(const QLocale& locale)
    : locale_(locale), timeFormat_(withoutTimeZone(locale.timeFormat(QLocale::LongFormat))) {
  locale_.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
}

std::optional<double> QtRegional::toNumber(std::string_view text) const {
  const QString trimmed =
      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).trimmed();
  bool ok = false;
  const double value = locale_.toDouble(trimmed, &ok);
  if (!ok) return std::nullopt;
  return value;
}

std::string QtRegional::numberText(double value) const {
  return locale_.toString(value, 'f', QLocale::FloatingPointShortest).toStdString();
}

std::string QtRegional::timeText(const TimeOfDay& time) const {
  return locale_.toString(QTime(time.hour, time.minute, time.second), timeFormat_).toStdString();
}

QString withoutTimeZone(const QString& format) {
  QString result;
  bool quoted = false;
  for (qsizetype i = 0; i < format.size(); ++i) {
    const QChar c = format.at(i);
    if (c == u'\'') quoted = !quoted;
    if (!quoted && c == u't') continue;
    result.append(c);
  }
  // The zone stood at one end or between fields: drop the blanks it leaves behind.
  return result.simplified();
}

}  // namespace reminder
