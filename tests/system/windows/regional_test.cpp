// The clock and regional formats as Windows writes them.
#include <gtest/gtest.h>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "system/windows/windows_clock.h"
#include "system/windows/windows_regional.h"

namespace reminder {
namespace {

TEST(WindowsClockTest, ShowsTheLocalTimeOfDay) {
  SYSTEMTIME before;
  GetLocalTime(&before);
  const TimeOfDay now = WindowsClock().now();
  const auto msOfDay = [](int h, int m, int s, int ms) {
    return ((h * 60 + m) * 60 + s) * 1000 + ms;
  };
  const int local = msOfDay(before.wHour, before.wMinute, before.wSecond, before.wMilliseconds);
  const int clock = msOfDay(now.hour, now.minute, now.second, now.millisecond);
  // GetLocalTime moves in the system's timer ticks; within a second either way, past midnight
  // too.
  const int apart = std::abs(clock - local);
  EXPECT_LT(std::min(apart, 86'400'000 - apart), 1000) << clock << " " << local;
}

TEST(WindowsRegionalTest, TheClockTextIsTheLocalesLongTimeFormat) {
  EXPECT_EQ(WindowsRegional(L"en-US").timeText({21, 5, 3}), "9:05:03 PM");
  EXPECT_EQ(WindowsRegional(L"en-US").timeText({0, 0, 0}), "12:00:00 AM");
  EXPECT_EQ(WindowsRegional(L"de-DE").timeText({9, 5, 3}), "09:05:03");
  EXPECT_EQ(WindowsRegional(L"en-GB").timeText({21, 5, 3}), "21:05:03");
}

TEST(WindowsRegionalTest, EachCallShowsTheTimeItWasGiven) {
  const WindowsRegional regional(L"en-GB");
  EXPECT_EQ(regional.timeText({21, 5, 3, 100}), "21:05:03");
  EXPECT_EQ(regional.timeText({21, 5, 3, 900}), "21:05:03");
  EXPECT_EQ(regional.timeText({21, 5, 4}), "21:05:04");
  EXPECT_EQ(regional.timeText({9, 5, 3}), "09:05:03");
}

TEST(WindowsRegionalTest, NumbersAreReadWithTheRegionalSeparatorOnly) {
  const WindowsRegional german(L"de-DE");
  EXPECT_EQ(german.toNumber("1,5"), 1.5);
  EXPECT_EQ(german.toNumber("  007 "), 7.0);
  EXPECT_EQ(german.toNumber("-3"), -3.0);
  EXPECT_EQ(german.toNumber("+3"), 3.0);
  EXPECT_FALSE(german.toNumber("1.5"));
  const WindowsRegional american(L"en-US");
  EXPECT_EQ(american.toNumber("1.5"), 1.5);
  EXPECT_FALSE(american.toNumber("1,5"));
  for (const char* text : {"", "  ", "abc", "5 5", "1,000.5", "inf", "nan", "1e999", "0x10"}) {
    EXPECT_FALSE(american.toNumber(text)) << text;
  }
}

TEST(WindowsRegionalTest, NumbersAreWrittenShortWithLatinDigits) {
  const WindowsRegional german(L"de-DE");
  EXPECT_EQ(german.numberText(59), "59");
  EXPECT_EQ(german.numberText(-1), "-1");
  EXPECT_EQ(german.numberText(2.5), "2,5");
  EXPECT_EQ(german.numberText(1e20), "100000000000000000000");
  const WindowsRegional arabic(L"ar-SA");
  EXPECT_EQ(arabic.toNumber(arabic.numberText(12.5)), 12.5);
  EXPECT_EQ(arabic.numberText(60), "60");
}

}  // namespace
}  // namespace reminder
