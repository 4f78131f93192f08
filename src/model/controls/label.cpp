#include "model/controls/label.h"

namespace reminder {

void Label::setCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  notify(Property::Caption);
  if (onChange) onChange();
}

}  // namespace reminder
