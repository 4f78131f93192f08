#include "model/controls/check_box.h"

namespace reminder {

void CheckBox::setCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  notify(Property::Caption);
}

void CheckBox::setValue(int value) {
  if (value_ == value) return;
  value_ = value;
  notify(Property::Value);
  if (onClick) onClick();
}

void CheckBox::click() {
  if (!enabled() || !visible()) return;
  setValue(ticked() ? 0 : 1);
}

}  // namespace reminder
