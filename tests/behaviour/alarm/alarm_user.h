#pragma once

#include "support/harness.h"

namespace reminder::test {

// The program under one clock format, the clock already showing the time, and the steps a
// user takes to arm an alarm.
struct AlarmUser : Harness {
  explicit AlarmUser(TimeStyle style = TimeStyle::TwelveHour, TimeOfDay at = {9, 0, 0, 0})
      : Harness(style, at) {
    program.start();
    time.advance(100);
  }

  void enter(std::string_view hour, std::string_view minute, std::string_view second,
             OptionButton Form1::*choice = nullptr) {
    test::type(form1().Text5, hour);
    test::type(form1().Text6, minute);
    test::type(form1().Text7, second);
    if (choice != nullptr) (form1().*choice).click();
  }

  // Presses Start and gives the answer to the auto shutdown question.
  void arm(MessageAnswer answer = MessageAnswer::No) {
    dialogs.answer(answer);
    form1().Command2.click();
  }
};

}  // namespace reminder::test
