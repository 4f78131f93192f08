#pragma once

#include <string_view>

#include "support/harness.h"

namespace reminder::test {

inline const Message kTimeUp{"Time Up", "Stop", MessageButtons::Ok};

// The program as a user drives the countdown: type the minutes, press Start, let time pass.
class CountdownTest : public ProgramTest {
 protected:
  Form1& form() { return app.form1(); }

  void start(std::string_view minutes, MessageAnswer answer = MessageAnswer::No) {
    form().Text1.userEdit(std::string(minutes));
    app.dialogs.answer(answer);
    form().Command1.click();
  }
  void seconds(double n) { app.time.advance(static_cast<std::int64_t>(n * 1000)); }

  // Every timer and arm of the countdown on (or off), its counter shown (or hidden).
  [[nodiscard]] bool ticking() { return all(true); }
  [[nodiscard]] bool stopped() { return all(false) && !form().Text1.locked(); }

 private:
  bool all(bool on) {
    Form1& f = form();
    bool same = f.Text8.visible() == on;
    for (const Timer* timer : {&f.Timer3, &f.Timer4, &f.Timer5, &f.Timer6}) {
      same = same && timer->enabled() == on;
    }
    for (const Line* arm : {&f.Line6, &f.Line7, &f.Line8, &f.Line9}) {
      same = same && (on || !arm->visible());
    }
    return same;
  }
};

}  // namespace reminder::test
