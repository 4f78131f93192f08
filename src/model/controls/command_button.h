#pragma once

#include "model/controls/control.h"
#include "model/controls/visitor.h"

namespace reminder {

class CommandButton final : public Control {
 public:
  using Control::Control;
  void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

  [[nodiscard]] const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);

  // The user pressed it; a disabled or hidden button takes no press.
  void click();

  Handler onClick;

 private:
  std::string caption_;
};

}  // namespace reminder
