#pragma once

#include "model/controls/control.h"
#include "model/controls/visitor.h"

namespace reminder {

// One of a group of choices: the option buttons of one window (and container) exclude one
// another. Selecting raises Click; unselecting, by code or by a sibling's selection, raises
// nothing.
class OptionButton final : public Control {
 public:
  using Control::Control;
  void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

  [[nodiscard]] const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);

  [[nodiscard]] bool value() const { return value_; }
  void setValue(bool selected);

  // The user clicked it: it becomes the selected one of its group.
  void click();

  bool pushButtonLook = false;
  Handler onClick;

 private:
  void select();
  void unselect();

  std::string caption_;
  bool value_ = false;
};

}  // namespace reminder
