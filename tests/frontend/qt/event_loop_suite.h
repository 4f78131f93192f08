#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <memory>

namespace reminder {

// A suite of tests on Qt's event loop: one application object for the whole suite.
template <typename Base = ::testing::Test>
class EventLoopSuite : public Base {
 protected:
  static void SetUpTestSuite() { application_ = std::make_unique<QCoreApplication>(argc_, argv_); }
  static void TearDownTestSuite() { application_.reset(); }

 private:
  static inline int argc_ = 1;
  static inline char name_[] = "platform_tests";
  static inline char* argv_[] = {name_, nullptr};
  static inline std::unique_ptr<QCoreApplication> application_;
};

}  // namespace reminder
