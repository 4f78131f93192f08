#pragma once

#include <cstdint>

#include "platform/regional.h"

namespace reminder::test {

// The regional formats the tests run under.
enum class TimeStyle : std::uint8_t {
  TwelveHour,       // 9:05:03 PM
  TwentyFourColon,  // 21:05:03
  TwentyFourDot,    // 21.05.03
  DesignatorFirst,  // PM 9:05:03
};

class FakeRegional final : public Regional {
 public:
  explicit FakeRegional(TimeStyle style = TimeStyle::TwelveHour, char decimal = '.')
      : style_(style), decimal_(decimal) {}

  [[nodiscard]] std::optional<double> toNumber(std::string_view text) const override;
  [[nodiscard]] std::string numberText(double value) const override;
  [[nodiscard]] std::string timeText(const TimeOfDay& time) const override;
  // The time of day a text of timeText names, read back; none for any other text.
  [[nodiscard]] std::optional<TimeOfDay> parseTime(const std::string& text) const;

  void setStyle(TimeStyle style) { style_ = style; }

 private:
  TimeStyle style_;
  char decimal_;
};

}  // namespace reminder::test
