#include "model/controls/command_button.h"

namespace reminder {

void CommandButton::setCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  notify(Property::Caption);
}

void CommandButton::click() {
  if (!enabled() || !visible()) return;
  if (onClick) onClick();
}

}  // namespace reminder
