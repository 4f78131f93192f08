#pragma once

namespace reminder {

struct TimeOfDay {
  int hour = 0;  // 0..23
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// The local time of day.
class Clock {
 public:
  virtual ~Clock() = default;
  [[nodiscard]] virtual TimeOfDay now() const = 0;
};

}  // namespace reminder
