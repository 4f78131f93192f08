#pragma once

#include "model/controls/control.h"
#include "model/controls/visitor.h"

namespace reminder {

// A captioned group box; controls whose layout names it as container sit inside it.
class Frame final : public Control {
 public:
  using Control::Control;
  void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

  std::string caption;
};

}  // namespace reminder
