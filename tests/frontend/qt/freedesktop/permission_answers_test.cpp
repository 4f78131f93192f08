// What the desktop says before a power-off, as each service sends it: logind's words, also
// those of an inhibitor lock, and a session manager's boolean or number.
#include "frontend/qt/freedesktop/permission_answers.h"

#include <gtest/gtest.h>

namespace reminder {
namespace {

using enum PowerOffPermission;

TEST(PermissionAnswers, LogindsWordsAndThoseOfAnInhibitorLockMeanWhatTheUserCanDo) {
  const std::vector<std::pair<const char*, PowerOffPermission>> answers{
      {"yes", Allowed},       {"challenge", NeedsAuthentication},
      {"no", Refused},        {"na", NotAvailable},
      {"inhibited", Refused}, {"inhibitor-blocked", Refused},
      {"maybe", Unknown},     {"challenge-inhibitor-blocked", NeedsAuthentication}};
  for (const auto& [answer, meaning] : answers) {
    EXPECT_EQ(fromCanPowerOff(QString::fromLatin1(answer)), meaning) << answer;
  }
}

TEST(PermissionAnswers, CanShutdownIsABooleanOrANumberAndNothingElse) {
  EXPECT_EQ(fromCanShutdown(QVariant(true)), Allowed);
  EXPECT_EQ(fromCanShutdown(QVariant(false)), Refused);
  EXPECT_EQ(fromCanShutdown(QVariant(1U)), Allowed);
  EXPECT_EQ(fromCanShutdown(QVariant(0U)), Refused);
  EXPECT_EQ(fromCanShutdown(QVariant(QStringLiteral("yes"))), std::nullopt);
}

}  // namespace
}  // namespace reminder
