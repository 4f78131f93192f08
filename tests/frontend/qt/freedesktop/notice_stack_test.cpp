// Each notice is closed by the answer to its own box, innermost first, whenever the service's
// numbers come: before the answer, after it, or not at all.
#include "frontend/qt/freedesktop/notice_stack.h"

#include <gtest/gtest.h>

namespace reminder {
namespace {

TEST(NoticeStack, EachBoxClosesItsOwnNoticeWhenItsNumberComes) {
  NoticeStack notices;
  const auto outer = notices.posted();
  const auto refused = notices.posted();
  const auto inner = notices.posted();
  EXPECT_EQ(notices.answered(refused, std::nullopt), std::nullopt);
  EXPECT_EQ(notices.answered(inner, 12U), std::nullopt);
  EXPECT_EQ(notices.withdrawn(), 12U);
  EXPECT_EQ(notices.withdrawn(), std::nullopt);  // the refused one's turn, not the outer's
  EXPECT_EQ(notices.withdrawn(), std::nullopt);  // the outer one, not numbered yet
  EXPECT_EQ(notices.answered(outer, 11U), 11U);
  EXPECT_EQ(notices.withdrawn(), std::nullopt);
}

}  // namespace
}  // namespace reminder
