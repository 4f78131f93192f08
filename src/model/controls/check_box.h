#pragma once

#include "model/controls/control.h"
#include "model/controls/visitor.h"

namespace reminder {

// A check box. Value 1 is ticked, 0 unticked. Any real change of Value, by code or by a
// click, raises Click; writing the value it already has raises nothing.
class CheckBox final : public Control {
 public:
  using Control::Control;
  void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

  [[nodiscard]] const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);

  [[nodiscard]] int value() const { return value_; }
  [[nodiscard]] bool ticked() const { return value_ == 1; }
  void setValue(int value);

  // The user clicked it: the tick flips.
  void click();

  bool pushButtonLook = false;
  Handler onClick;

 private:
  std::string caption_;
  int value_ = 0;
};

}  // namespace reminder
