#pragma once

#include <string>

struct ca_context;

namespace reminder {

// Event sounds of the desktop's sound theme, played through libcanberra on whatever sound
// server or device there is. Without one, nothing is heard and nothing is said.
class CanberraSound {
 public:
  CanberraSound(std::string applicationName, std::string iconName);
  ~CanberraSound();
  CanberraSound(const CanberraSound&) = delete;
  CanberraSound& operator=(const CanberraSound&) = delete;
  CanberraSound(CanberraSound&&) = delete;
  CanberraSound& operator=(CanberraSound&&) = delete;

  // Starts the theme's sound for `eventId` ("alarm-clock-elapsed") once, without waiting.
  void play(const char* eventId, const char* description);

 private:
  std::string applicationName_;
  std::string iconName_;
  ca_context* context_ = nullptr;  // made at the first sound, kept for the sounds playing
};

}  // namespace reminder
