#pragma once

#include "platform/attention.h"
#include "platform/awake_hold.h"
#include "platform/clock.h"
#include "platform/command_starter.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/monotonic_clock.h"
#include "platform/power.h"
#include "platform/process_control.h"
#include "platform/regional.h"
#include "platform/taskbar_progress.h"
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
  Power& power;
  MonotonicClock& monotonic;  // counts the computer's sleep, unlike `timers`
  Attention& attention;
  TaskbarProgress& progress;
  AwakeHold& awake;
};

}  // namespace reminder
