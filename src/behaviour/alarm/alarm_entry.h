#pragma once

#include <optional>
#include <string_view>

#include "model/context/context.h"

// The alarm time as the user enters it: hour, minute and second fields, the AM/PM choice,
// and the composed time that Start builds from them.
namespace reminder::alarm {

void attachEntry(Context& context, Form1& form);

void Text5_Change(Context& context);
void Text6_Change(Context& context);
void Text7_Change(Context& context);
void Option1_Click(Context& context);
void Option2_Click(Context& context);
void Text2_Change(Context& context);

struct AlarmEntry {
  std::string_view hour;
  std::string_view minute;
  std::string_view second;
  bool am = false;
  bool pm = false;
};

// The time of day an entry names, or nothing when it names none: whole numbers, minute and
// second 0-59, and an hour 1-12 with AM or PM, or 0-23 without. Where the clock offers the
// AM/PM choice an hour 1-12 without it is ambiguous, so it needs AM or PM.
[[nodiscard]] std::optional<TimeOfDay> entryTime(const Regional& regional, const AlarmEntry& entry,
                                                 bool amPmOffered);

}  // namespace reminder::alarm
