// Numbers under the real regional settings, where the countdown's "0" must still come.
#include <gtest/gtest.h>

#include "frontend/qt/qt_regional.h"
#include "support/harness.h"

namespace reminder::test {
namespace {

// Arabic, Persian, Bengali and Burmese write digits of their own; German writes a comma.
const std::vector<const char*> kLocales{"ar_EG", "fa_IR", "bn_BD", "my_MM", "de_DE", "en_US"};

TEST(RegionalNumbersTest, NumbersAreWrittenInLatinDigitsAndReadBackInEveryLocale) {
  for (const char* name : kLocales) {
    const QtRegional regional{QLocale(QString::fromLatin1(name))};
    EXPECT_EQ(regional.numberText(0), "0") << name;
    EXPECT_EQ(regional.numberText(59), "59") << name;
    for (const double value : {0.0, 1.0, -1.0, 1.5, -0.25, 99999.0, 1e15}) {
      EXPECT_EQ(regional.toNumber(regional.numberText(value)), value) << name << " " << value;
    }
  }
  const QtRegional arabic{QLocale(QStringLiteral("ar_EG"))};
  EXPECT_EQ(arabic.toNumber("\u0665"), 5);  // the locale's own digits are still read
  const QtRegional german{QLocale(QStringLiteral("de_DE"))};
  EXPECT_EQ(german.toNumber("1.5"), std::nullopt);  // a dot is no decimal separator there
  EXPECT_EQ(german.toNumber(" +2,0e0 "), 2);        // every spelling of a number
}

TEST(RegionalNumbersTest, ACountdownEndsUnderEveryLocale) {
  for (const char* name : kLocales) {
    QtRegional regional{QLocale(QString::fromLatin1(name))};
    Harness app(regional, {9, 0, 0, 0});
    app.program.start();
    test::type(app.form1().Text1, "1");
    app.dialogs.answer(MessageAnswer::No);
    app.form1().Command1.click();
    app.time.advance(60'000);
    EXPECT_EQ(app.dialogs.last(), (Message{"Time Up", "Stop", MessageButtons::Ok})) << name;
    EXPECT_EQ(app.form1().Text1.text(), "0") << name;
  }
}

}  // namespace
}  // namespace reminder::test
