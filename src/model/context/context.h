#pragma once

#include "model/forms/program_windows.h"
#include "platform/platform.h"

namespace reminder {

// What every behaviour handler works with: the four windows and the platform.
struct Context {
  Windows& windows;
  Platform& platform;
};

}  // namespace reminder
