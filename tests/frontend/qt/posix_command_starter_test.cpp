// Starting the system commands through PATH, with recording stand-ins in place of the real
// pkill: nothing here ends anything.
#include "platform/posix/posix_command_starter.h"

#include "stand_in_commands.h"

namespace reminder {
namespace {

using PosixCommandStarterTest = StandInCommandsTest;

TEST_F(PosixCommandStarterTest, TaskkillGoesToPkillByExactName) {
  standIn("pkill");
  PosixCommandStarter starter;
  EXPECT_TRUE(starter.start("taskkill /im winamp.exe", WindowStyle::MinimizedWithFocus).started);
  EXPECT_EQ(recorded(1), "pkill -x winamp\\.exe\n");
}

}  // namespace
}  // namespace reminder
