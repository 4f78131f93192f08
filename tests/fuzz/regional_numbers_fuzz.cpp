// The real regional number conversion, in locales that write other digits, separators and
// minus signs. A number read is written back as a text that reads as the same number, in
// Latin digits; and a countdown started from the text under that locale lowers its minutes
// field to the next number and, from one minute, reaches "0".
#include "frontend/qt/qt_regional.h"
#include "fuzz/fuzz_support.h"

namespace reminder::fuzz {
namespace {

const std::array kLocales{"en_US", "de_DE", "fr_CH", "id_ID", "ar_EG", "fa_IR",
                          "bn_BD", "my_MM", "hi_IN", "sv_SE", "C"};

void requireWrittenBack(const QtRegional& regional, double value) {
  const std::string text = regional.numberText(value);
  require(regional.toNumber(text) == value, "a number written reads back as itself: " + text);
  require(text.find_first_of("0123456789") == 0 || text.front() == '-',
          "numbers are written with Latin digits: " + text);
}

void requireCountsDown(QtRegional& regional, const std::string& minutes) {
  Harness app(regional, {9, 0, 0, 0});
  app.program.start();
  test::type(app.form1().Text1, minutes);
  app.dialogs.answer(MessageAnswer::No);
  app.form1().Command1.click();
  if (!app.form1().Text8.visible()) return;
  const double value = *regional.toNumber(minutes);
  app.time.advance(60'000);
  require(app.form1().Text1.text() == regional.numberText(value - 1) &&
              regional.toNumber(app.form1().Text1.text()) == value - 1,
          "a minute lowers the field by one");
  if (value == 1) {
    require(app.dialogs.last() == Message{"Time Up", "Stop", MessageButtons::Ok},
            "a one-minute countdown ends after a minute");
  }
}

}  // namespace

void fuzzOne(FuzzedDataProvider& in) {
  QtRegional regional{QLocale(QString::fromLatin1(in.PickValueInArray(kLocales)))};
  const std::string text = in.ConsumeRemainingBytesAsString();
  const std::optional<double> value = regional.toNumber(text);
  if (value && std::isfinite(*value)) requireWrittenBack(regional, *value);
  if (text.size() <= 12) requireCountsDown(regional, text);
}

}  // namespace reminder::fuzz
