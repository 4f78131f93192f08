#pragma once

#include "model/controls/control.h"
#include "model/controls/visitor.h"

namespace reminder {

// A fixed picture shown at its natural size; `picture` names a resource of the program.
class Image final : public Control {
 public:
  using Control::Control;
  void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

  void click() {
    if (enabled() && visible() && onClick) onClick();
  }

  std::string picture;
  Handler onClick;
};

}  // namespace reminder
