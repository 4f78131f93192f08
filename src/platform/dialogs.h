#pragma once

#include <cstdint>
#include <string>

namespace reminder {

class Form;

enum class MessageButtons : std::uint8_t { Ok, YesNo };  // with Yes and No, Yes is the default
enum class MessageAnswer : std::uint8_t { Ok, Yes, No };

// A modal message box without an icon.
struct Message {
  std::string prompt;
  std::string title;
  MessageButtons buttons = MessageButtons::Ok;
  // The window the box stands above and belongs to; none: the active window of the program.
  const Form* owner = nullptr;

  // The same box, whichever window it belongs to.
  friend bool operator==(const Message& a, const Message& b) {
    return a.prompt == b.prompt && a.title == b.title && a.buttons == b.buttons;
  }
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Shows the box and waits for the user's answer.
  virtual MessageAnswer show(const Message& message) = 0;
};

}  // namespace reminder
