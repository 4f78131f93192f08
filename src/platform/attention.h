#pragma once

#include <string>

namespace reminder {

// What the desktop's notifications show when time is up.
struct DesktopNotice {
  std::string summary;
  std::string body;  // what ended

  friend bool operator==(const DesktopNotice&, const DesktopNotice&) = default;
};

// The desktop's own ways of reaching a person who is looking elsewhere. Each is a courtesy
// on top of the Time Up window: where the desktop has no sound or no notifications, the
// call does nothing and reports nothing.
class Attention {
 public:
  virtual ~Attention() = default;
  // The desktop's "time is up" sound, played once.
  virtual void playTimeUpSound() = 0;
  // Puts the notice on the desktop's notifications, urgent enough to show over a
  // full-screen program where the desktop allows it.
  virtual void postNotice(const DesktopNotice& notice) = 0;
  // Takes the newest notice still up off the desktop: notices go in the reverse order of
  // posting, as the modal boxes that answer them close.
  virtual void withdrawNotice() = 0;
};

}  // namespace reminder
