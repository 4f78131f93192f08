#pragma once

#include "model/controls/control.h"
#include "model/controls/visitor.h"

namespace reminder {

// A one-pixel straight line from (x1, y1) to (x2, y2), in twips of the window's client area.
class Line final : public Control {
 public:
  using Control::Control;
  void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  std::optional<Color> color;  // none: the toolkit's default line colour
};

}  // namespace reminder
