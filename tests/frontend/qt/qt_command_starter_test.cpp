// Starting the system commands through PATH, with recording stand-ins in place of the real
// pkill: nothing here ends anything.
#include "frontend/qt/qt_command_starter.h"

#include "frontend/qt/stand_in_commands.h"

namespace reminder {
namespace {

using QtCommandStarterTest = StandInCommandsTest;

TEST_F(QtCommandStarterTest, TaskkillGoesToPkillByExactName) {
  standIn("pkill");
  QtCommandStarter starter;
  EXPECT_TRUE(starter.start("taskkill /im winamp.exe", WindowStyle::MinimizedWithFocus).started);
  EXPECT_EQ(recorded(1), "pkill -x winamp\\.exe\n");
}

}  // namespace
}  // namespace reminder
