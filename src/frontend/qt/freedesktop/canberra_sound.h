#pragma once

#include <memory>
#include <string>

namespace reminder {

// Event sounds of the desktop's sound theme, played through libcanberra on whatever sound
// server or device there is. Without one, nothing is heard and nothing is said.
// libcanberra waits for the sound server's answers, so the sounds are played on a thread of
// their own: a server that hangs holds up only the sound, never the window.
class CanberraSound {
 public:
  CanberraSound(std::string applicationName, std::string iconName);
  ~CanberraSound();
  CanberraSound(const CanberraSound&) = delete;
  CanberraSound& operator=(const CanberraSound&) = delete;
  CanberraSound(CanberraSound&&) = delete;
  CanberraSound& operator=(CanberraSound&&) = delete;

  // Starts the theme's sound for `eventId` ("alarm-clock-elapsed") once, and returns at once.
  void play(std::string eventId, std::string description);

 private:
  struct Player;
  std::shared_ptr<Player> player_;  // shared with its thread, which may outlive this object
};

}  // namespace reminder
