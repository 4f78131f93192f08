// Widget tests: the real Qt windows, driven with QTest's synthetic input.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
  // Headless unless a display is chosen on purpose.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  // Windows are only hidden, never closed, as in the program.
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  // A test of ending the program re-runs itself in a fresh process, not a fork of this one.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  return RUN_ALL_TESTS();
}
