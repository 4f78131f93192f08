#include "support/fake_regional.h"

#include <charconv>
#include <cstdio>
#include <string>

namespace reminder::test {

std::optional<double> FakeRegional::toNumber(std::string_view text) const {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  std::string plain(text);
  for (char& c : plain) {
    if (c == decimal_) {
      c = '.';
    } else if (c == '.') {
      return std::nullopt;
    }
  }
  // A plus sign as the regional settings allow it; from_chars takes none.
  if (plain.size() > 1 && plain[0] == '+' && plain[1] != '-') plain.erase(0, 1);
  double value = 0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error != std::errc{} || end != plain.data() + plain.size()) return std::nullopt;
  return value;
}

std::string FakeRegional::numberText(double value) const {
  char buffer[64];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  std::string text(buffer, error == std::errc{} ? end : buffer);
  for (char& c : text) {
    if (c == '.') c = decimal_;
  }
  return text;
}

std::string FakeRegional::timeText(const TimeOfDay& t) const {
  char buffer[32];
  const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
  const char* designator = t.hour < 12 ? "AM" : "PM";
  switch (style_) {
    case TimeStyle::TwelveHour:
      std::snprintf(buffer, sizeof buffer, "%d:%02d:%02d %s", hour12, t.minute, t.second,
                    designator);
      break;
    case TimeStyle::TwentyFourColon:
      std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", t.hour, t.minute, t.second);
      break;
    case TimeStyle::TwentyFourDot:
      std::snprintf(buffer, sizeof buffer, "%02d.%02d.%02d", t.hour, t.minute, t.second);
      break;
    case TimeStyle::DesignatorFirst:
      std::snprintf(buffer, sizeof buffer, "%s %d:%02d:%02d", designator, hour12, t.minute,
                    t.second);
      break;
  }
  return buffer;
}

std::optional<TimeOfDay> FakeRegional::parseTime(const std::string& text) const {
  int hour = 0;
  int minute = 0;
  int second = 0;
  char designator[3] = {};
  int length = 0;
  bool read = false;
  switch (style_) {
    case TimeStyle::TwelveHour:
      read = std::sscanf(text.c_str(), "%d:%d:%d %2s%n", &hour, &minute, &second, designator,
                         &length) == 4;
      break;
    case TimeStyle::TwentyFourColon:
      read = std::sscanf(text.c_str(), "%d:%d:%d%n", &hour, &minute, &second, &length) == 3;
      break;
    case TimeStyle::TwentyFourDot:
      read = std::sscanf(text.c_str(), "%d.%d.%d%n", &hour, &minute, &second, &length) == 3;
      break;
    case TimeStyle::DesignatorFirst:
      read = std::sscanf(text.c_str(), "%2s %d:%d:%d%n", designator, &hour, &minute, &second,
                         &length) == 4;
      break;
  }
  if (!read || static_cast<std::size_t>(length) != text.size()) return std::nullopt;
  if (designator[0] != '\0') {
    const std::string d = designator;
    if ((d != "AM" && d != "PM") || hour < 1 || hour > 12) return std::nullopt;
    hour = hour % 12 + (d == "PM" ? 12 : 0);
  }
  const TimeOfDay time{hour, minute, second, 0};
  // Only what timeText itself writes: same digits, same padding.
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
      timeText(time) != text) {
    return std::nullopt;
  }
  return time;
}

}  // namespace reminder::test
