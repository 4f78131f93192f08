#pragma once

#include "platform/attention.h"
#include "platform/clock.h"
#include "platform/command_starter.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/process_control.h"
#include "platform/regional.h"
#include "platform/timer_service.h"

namespace reminder {

// Everything the program needs from the world outside its windows.
struct Platform {
  TimerService& timers;
  Clock& clock;
  Regional& regional;
  Dialogs& dialogs;
  CommandStarter& commands;
  ProcessControl& process;
  FileSystem& files;
  Attention& attention;
};

}  // namespace reminder
