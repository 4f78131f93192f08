#include "frontend/qt/qt_regional.h"

#include <QRegularExpression>
#include <QTime>

namespace reminder {

QtRegional::QtRegional() : QtRegional(QLocale::system()) {}

QtRegional::QtRegional(const QLocale& locale)
    : locale_(locale),
      timeFormat_(clockTimeFormat(locale.timeFormat(QLocale::LongFormat))),
      written_(QStringLiteral("\\A-?[0-9]+(%1[0-9]+)?\\z")
                   .arg(QRegularExpression::escape(locale.decimalPoint()))) {
  locale_.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
}

std::optional<double> QtRegional::toNumber(std::string_view text) const {
  const QString trimmed =
      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).trimmed();
  bool ok = false;
  const double value = locale_.toDouble(trimmed, &ok);
  if (ok) return value;
  // What numberText writes, also where the locale has digits or a minus sign of its own.
  if (!written_.match(trimmed).hasMatch()) return std::nullopt;
  return QLocale::c().toDouble(
      QString(trimmed).replace(locale_.decimalPoint(), QStringLiteral(".")));
}

std::string QtRegional::numberText(double value) const {
  // Latin digits in every locale: the countdown compares its fields with "0", and a locale
  // that writes its own digits (Arabic, Persian, Bengali) would never reach it.
  QString text = QLocale::c().toString(value, 'f', QLocale::FloatingPointShortest);
  text.replace(u'.', locale_.decimalPoint());
  return text.toStdString();
}

std::string QtRegional::timeText(const TimeOfDay& time) const {
  return locale_.toString(QTime(time.hour, time.minute, time.second), timeFormat_).toStdString();
}

QString clockTimeFormat(const QString& longFormat) {
  // "t", or the zone set off in brackets: "(t)", "[t]".
  static const QRegularExpression zone(QStringLiteral("[(\\[]?t+[)\\]]?"));
  // Split at the quotes: even parts are fields and separators, odd parts quoted literals.
  QStringList parts = longFormat.split(u'\'');
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    parts[i].remove(zone);
    // A day period that Qt cannot write would show as a literal "B".
    parts[i].replace(u'B', QStringLiteral("AP"));
  }
  QString format = parts.join(u'\'');
  // The zone stood at one end: drop the blanks and the comma that led up to it.
  const auto leftOver = [](QChar c) { return c.isSpace() || c == u','; };
  while (!format.isEmpty() && leftOver(format.back())) format.chop(1);
  while (!format.isEmpty() && leftOver(format.front())) format.remove(0, 1);
  return format;
}

}  // namespace reminder
