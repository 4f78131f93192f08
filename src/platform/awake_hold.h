#pragma once

#include <string>

namespace reminder {

// Keeps the computer from falling asleep on its own while a reminder is set, so that the
// reminder comes at its time. The user's own sleep (lid, power button, menu) still works at
// once, and the screen still blanks and locks as set. Whatever is held goes with the
// process, however it ends. A courtesy like the desktop's attention: where the system offers
// no way, the calls do nothing and report nothing.
class AwakeHold {
 public:
  virtual ~AwakeHold() = default;
  // Holds the computer awake; `reason` says what is set, for those who ask the system what
  // keeps it awake. Held already, a new reason replaces the old one, the same does nothing.
  virtual void hold(const std::string& reason) = 0;
  // Lets go; with nothing held, does nothing.
  virtual void release() = 0;
};

}  // namespace reminder
