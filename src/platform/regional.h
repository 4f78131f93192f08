#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace reminder {

// The user's regional settings: how numbers and times of day are written.
class Regional {
 public:
  virtual ~Regional() = default;
  // A text as a number: blanks around it allowed, the regional decimal separator.
  [[nodiscard]] virtual std::optional<double> toNumber(std::string_view text) const = 0;
  // The shortest text of a number: whole numbers without a fractional part.
  [[nodiscard]] virtual std::string numberText(double value) const = 0;
  // A time of day in the regional long-time format, without a time-zone name.
  [[nodiscard]] virtual std::string timeText(const TimeOfDay& time) const = 0;
};

}  // namespace reminder
