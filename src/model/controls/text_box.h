#pragma once

#include <cstddef>

#include "model/controls/control.h"
#include "model/controls/visitor.h"

namespace reminder {

// A single-line edit field. Every change of its text, by code or by typing, raises Change
// nested in the write; writing the text it already has raises nothing. MaxLength and
// Locked restrict only what the user can type, never what code writes.
class TextBox final : public Control {
 public:
  using Control::Control;
  void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

  [[nodiscard]] const std::string& text() const { return text_; }
  void setText(std::string text);

  // The user typed, leaving `text` in the field (the view has applied MaxLength already).
  void userEdit(std::string text);
  [[nodiscard]] bool acceptsTyping() const { return enabled() && visible() && !locked_; }

  [[nodiscard]] bool locked() const { return locked_; }
  void setLocked(bool locked);

  std::size_t maxLength = 0;  // 0: no limit
  Handler onChange;

 private:
  std::string text_;
  bool locked_ = false;
};

}  // namespace reminder
