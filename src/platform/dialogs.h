#pragma once

#include <cstdint>
#include <string>

namespace reminder {

enum class MessageButtons : std::uint8_t { Ok, YesNo };  // with Yes and No, Yes is the default
enum class MessageAnswer : std::uint8_t { Ok, Yes, No };

// A modal message box without an icon.
struct Message {
  std::string prompt;
  std::string title;
  MessageButtons buttons = MessageButtons::Ok;

  friend bool operator==(const Message&, const Message&) = default;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Shows the box and waits for the user's answer.
  virtual MessageAnswer show(const Message& message) = 0;
};

}  // namespace reminder
