#pragma once

// What every fuzz target shares: the whole program on fakes, and checks that stop the run
// with the input kept when something that must hold does not.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "support/harness.h"
#include "support/invariants.h"

namespace reminder::fuzz {

using test::Harness;
using test::TimeStyle;

[[noreturn]] inline void fail(const std::string& what) {
  std::fprintf(stderr, "broken: %s\n", what.c_str());
  std::abort();
}

inline void require(bool holds, const std::string& what) {
  if (!holds) fail(what);
}

inline void requireInvariants(Harness& app, bool settled = true) {
  for (const std::string& broken : test::brokenInvariants(app, settled)) fail(broken);
}

// A refused entry shows its one message and leaves every window exactly as it was.
inline void requireRefused(Harness& app, const std::string& windowsBefore, const Message& message) {
  require(app.dialogs.shown() == std::vector<Message>{message}, "refused with its message");
  require(test::describeWindows(app) == windowsBefore, "a refused entry changes nothing");
}

// Presses a Start button with `answer` waiting for its question, and gives the windows as
// they were before; nothing when the button was disabled, after checking the press did
// nothing and asked nothing.
inline std::optional<std::string> pressStart(Harness& app, CommandButton& start,
                                             MessageAnswer answer) {
  const bool usable = start.enabled();
  std::string before = test::describeWindows(app);
  app.dialogs.answer(answer);
  start.click();
  if (usable) return before;
  require(test::describeWindows(app) == before && app.dialogs.shown().empty(),
          "a disabled Start does nothing");
  return std::nullopt;
}

// Text as a user types it, keystroke by keystroke, or pastes it whole.
inline void enter(FuzzedDataProvider& in, TextBox& field, std::size_t longest) {
  const std::string text = in.ConsumeRandomLengthString(longest);
  if (in.ConsumeBool()) {
    test::type(field, text);
  } else {
    field.userEdit(field.maxLength == 0 ? text : text.substr(0, field.maxLength));
  }
}

inline TimeStyle anyTimeStyle(FuzzedDataProvider& in) {
  return in.PickValueInArray({TimeStyle::TwelveHour, TimeStyle::TwentyFourColon,
                              TimeStyle::TwentyFourDot, TimeStyle::DesignatorFirst});
}

inline TimeOfDay anyTimeOfDay(FuzzedDataProvider& in) {
  return {in.ConsumeIntegralInRange(0, 23), in.ConsumeIntegralInRange(0, 59),
          in.ConsumeIntegralInRange(0, 59), 0};
}

inline MessageAnswer anyAnswer(FuzzedDataProvider& in) {
  return in.ConsumeBool() ? MessageAnswer::Yes : MessageAnswer::No;
}

// One run of the target on the fuzzer's input; each target defines it.
void fuzzOne(FuzzedDataProvider& in);

}  // namespace reminder::fuzz

// Each target is one source file, which includes this once: the entry point is defined here.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  reminder::fuzz::fuzzOne(in);
  return 0;
}
