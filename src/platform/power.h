#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace reminder {

struct PowerOffVerdict {
  bool accepted = false;
  std::string reason;  // why the system refused
};

// What the system says, before any request, about this user powering the computer off.
enum class PowerOffPermission : std::uint8_t {
  Allowed,
  NeedsAuthentication,  // a password would be asked for, which a reminder cannot give
  Refused,
  NotAvailable,  // this computer cannot be powered off by anyone here
  Unknown,       // the system cannot be asked
};

// Powering the computer off, with the system's verdict awaited without blocking the window.
class Power {
 public:
  using VerdictHandler = std::function<void(const PowerOffVerdict&)>;

  virtual ~Power() = default;
  // Asks the system to power the computer off now and returns at once; `handler` is called
  // once, later, from the event loop, never from inside this call. A request made while an
  // earlier one is still awaited is not sent again: its handler gets the same verdict, after
  // the handlers before it.
  virtual void requestPowerOff(VerdictHandler handler) = 0;
  // A request's verdict is awaited: the computer may power off at any moment.
  [[nodiscard]] virtual bool poweringOff() const = 0;
  // Answers at once (within a second); no dialog is shown and nothing is powered off.
  [[nodiscard]] virtual PowerOffPermission powerOffPermission() = 0;
};

}  // namespace reminder
