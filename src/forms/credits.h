#pragma once

// The program's credit texts: the About box and the two credit labels of the main window.
namespace reminder::credits {

inline constexpr const char* kProgramName = "KAVELTO Time Reminder";
inline constexpr const char* kVersion = "1.00.0004";
inline constexpr const char* kAboutLine = "KAVELTO Time Reminder, version 1.00.0004: a countdown, an alarm and an auto shutdown in one small window.";
inline constexpr const char* kCreditLabel = "KAVELTO Time Reminder\nversion 1.00.0004";
inline constexpr const char* kCreditToolTip = "KAVELTO Time Reminder 1.00.0004";
inline constexpr const char* kMotto = "Keep track of your time";

}  // namespace reminder::credits
