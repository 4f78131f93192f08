#pragma once

#include <QLocale>
#include <QRegularExpression>

#include "platform/regional.h"

namespace reminder {

// Numbers and times as the system locale writes them (on Linux: LC_ALL, LC_TIME, LANG).
// Numbers are written with Latin digits and read in either the locale's digits or Latin ones.
class QtRegional final : public Regional {
 public:
  QtRegional();
  explicit QtRegional(const QLocale& locale);

  [[nodiscard]] std::optional<double> toNumber(std::string_view text) const override;
  [[nodiscard]] std::string numberText(double value) const override;
  [[nodiscard]] std::string timeText(const TimeOfDay& time) const override;

 private:
  QLocale locale_;
  QString timeFormat_;
  QRegularExpression written_;  // a number as numberText writes it
};

// The locale's long time format as a clock on the desk shows it: without the time zone.
[[nodiscard]] QString clockTimeFormat(const QString& longFormat);

}  // namespace reminder
