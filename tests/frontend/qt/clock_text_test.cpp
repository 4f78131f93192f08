// The clock text as the real regional formats write it: the long time format without its
// time zone.
#include <gtest/gtest.h>

#include <QProcess>

#include "frontend/qt/qt_regional.h"

namespace reminder {
namespace {

std::string clockText(const char* locale, TimeOfDay time) {
  return QtRegional(QLocale(QString::fromLatin1(locale))).timeText(time);
}

TEST(ClockTextTest, NamedLocalesShowTheirOwnFormatWithoutATimeZone) {
  EXPECT_EQ(clockText("en_US", {21, 5, 3}), "9:05:03 PM");
  EXPECT_EQ(clockText("en_US", {0, 0, 0}), "12:00:00 AM");
  EXPECT_EQ(clockText("en_GB", {21, 5, 3}), "21:05:03");
  EXPECT_EQ(clockText("de_DE", {9, 5, 3}), "09:05:03");
  EXPECT_EQ(clockText("id_ID", {21, 5, 3}), "21.05.03");
  EXPECT_EQ(clockText("ko_KR", {21, 5, 3}), "오후 9시 5분 3초");
}

// Formats that set the zone off in brackets or after a comma, or that carry a day period Qt
// cannot write, would otherwise show "()", a trailing comma or a literal "B".
TEST(ClockTextTest, NothingOfTheZoneIsLeftBehind) {
  EXPECT_EQ(clockText("es_ES", {21, 5, 3}), "21:05:03");
  EXPECT_EQ(clockText("be_BY", {21, 5, 3}), "21:05:03");
  EXPECT_EQ(clockText("zh_CN", {21, 5, 3}), "21:05:03");
  EXPECT_EQ(clockText("bg_BG", {21, 5, 3}), "21:05:03 ч.");
  EXPECT_EQ(clockText("sq_AL", {9, 5, 3}), "9:05:03 E PARADITES");
  EXPECT_EQ(clockText("zh_TW", {21, 5, 3}), "下午9:05:03");
  EXPECT_EQ(clockTimeFormat(QStringLiteral("'t' h:mm 't'ss t")), QStringLiteral("'t' h:mm 't'ss"));
}

TEST(ClockTextTest, EachCallShowsTheTimeItWasGiven) {
  const QtRegional regional(QLocale(QStringLiteral("en_GB")));
  EXPECT_EQ(regional.timeText({21, 5, 3, 100}), "21:05:03");
  EXPECT_EQ(regional.timeText({21, 5, 3, 900}), "21:05:03");
  EXPECT_EQ(regional.timeText({21, 5, 4}), "21:05:04");
  EXPECT_EQ(regional.timeText({9, 5, 3}), "09:05:03");
  EXPECT_EQ(regional.timeText({21, 5, 3}), "21:05:03");
}

std::string systemClockText(const QStringList& environment) {
  QProcess child;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"LC_ALL", "LC_TIME", "LANG", "LANGUAGE"}) env.remove(name);
  for (const QString& setting : environment) {
    env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
  }
  child.setProcessEnvironment(env);
  child.start(QStringLiteral(PRINT_CLOCK_TEXT), {});
  if (!child.waitForFinished()) return "(did not finish)";
  return child.readAllStandardOutput().trimmed().toStdString();
}

TEST(ClockTextTest, TheSystemFormatFollowsLangAndLcAllOverridesIt) {
  EXPECT_EQ(systemClockText({"LANG=en_US.UTF-8"}), "9:05:03 PM");
  EXPECT_EQ(systemClockText({"LANG=de_DE.UTF-8"}), "21:05:03");
  EXPECT_EQ(systemClockText({"LANG=en_US.UTF-8", "LC_TIME=id_ID.UTF-8"}), "21.05.03");
  EXPECT_EQ(systemClockText({"LANG=de_DE.UTF-8", "LC_ALL=en_US.UTF-8"}), "9:05:03 PM");
}

}  // namespace
}  // namespace reminder
