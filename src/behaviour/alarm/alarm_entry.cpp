#include "behaviour/alarm/alarm_entry.h"

#include <cmath>

namespace reminder::alarm {

namespace {

bool isNumber(Context& context, const TextBox& field) {
  return context.platform.regional.toNumber(field.text()).has_value();
}

// The same for all three fields: Start follows what they hold, and the AM/PM choice
// becomes usable once the user types.
void fieldChanged(Context& context) {
  Form1& f = context.windows.form1();
  if (!isNumber(context, f.Text5) || !isNumber(context, f.Text6)) {
    f.Command2.setEnabled(false);
  } else {
    // Without a second the target could never match the clock, so Start waits for it.
    f.Command2.setEnabled(!f.Text7.text().empty());
  }
  f.Option1.setEnabled(true);
  f.Option2.setEnabled(true);
}

std::optional<int> wholeNumber(const Regional& regional, std::string_view text) {
  const std::optional<double> value = regional.toNumber(text);
  if (!value || std::trunc(*value) != *value || std::abs(*value) > 99) return std::nullopt;
  return static_cast<int>(*value);
}

std::optional<int> hourOfDay(int hour, const AlarmEntry& entry, bool amPmOffered) {
  if (entry.am || entry.pm) {
    if (hour < 1 || hour > 12) return std::nullopt;
    return hour % 12 + (entry.pm ? 12 : 0);
  }
  if (hour < 0 || hour > 23 || (amPmOffered && hour >= 1 && hour <= 12)) return std::nullopt;
  return hour;
}

}  // namespace

void attachEntry(Context& context, Form1& form) {
  form.Text5.onChange = [&context] { Text5_Change(context); };
  form.Text6.onChange = [&context] { Text6_Change(context); };
  form.Text7.onChange = [&context] { Text7_Change(context); };
  form.Option1.onClick = [&context] { Option1_Click(context); };
  form.Option2.onClick = [&context] { Option2_Click(context); };
  form.Text2.onChange = [&context] { Text2_Change(context); };
}

void Text5_Change(Context& context) {
  fieldChanged(context);
}
void Text6_Change(Context& context) {
  fieldChanged(context);
}
void Text7_Change(Context& context) {
  fieldChanged(context);
}

void Option1_Click(Context& context) {
  context.windows.form1().Text4.setText(" AM");
}
void Option2_Click(Context& context) {
  context.windows.form1().Text4.setText(" PM");
}

void Text2_Change(Context& context) {
  Form1& f = context.windows.form1();
  f.Command2.setEnabled(true);
  // Drops the hour's leading zeros one at a time: each write comes back here.
  if (!f.Text2.text().empty() && f.Text2.text().front() == '0') {
    f.Text2.setText(f.Text2.text().substr(1, 7));
  }
}

std::optional<TimeOfDay> entryTime(const Regional& regional, const AlarmEntry& entry,
                                   bool amPmOffered) {
  const std::optional<int> hour = wholeNumber(regional, entry.hour);
  const std::optional<int> minute = wholeNumber(regional, entry.minute);
  const std::optional<int> second = wholeNumber(regional, entry.second);
  if (!hour || !minute || !second) return std::nullopt;
  if (*minute < 0 || *minute > 59 || *second < 0 || *second > 59) return std::nullopt;
  const std::optional<int> hour24 = hourOfDay(*hour, entry, amPmOffered);
  if (!hour24) return std::nullopt;
  return TimeOfDay{*hour24, *minute, *second};
}

}  // namespace reminder::alarm
