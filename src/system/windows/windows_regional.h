#pragma once

#include <string>

#include "platform/regional.h"

namespace reminder {

// Numbers and times as the user's regional settings write them: the long time format of
// GetTimeFormatEx (Windows' time formats have no time-zone part) and the decimal separator.
// Numbers are written with Latin digits, which the countdown compares with "0".
class WindowsRegional final : public Regional {
 public:
  // The user's own settings.
  WindowsRegional();
  // A named locale ("de-DE") with its standard formats.
  explicit WindowsRegional(std::wstring localeName);

  [[nodiscard]] std::optional<double> toNumber(std::string_view text) const override;
  [[nodiscard]] std::string numberText(double value) const override;
  [[nodiscard]] std::string timeText(const TimeOfDay& time) const override;

 private:
  std::wstring localeName_;  // empty: the user's
  std::string decimal_;
};

}  // namespace reminder
