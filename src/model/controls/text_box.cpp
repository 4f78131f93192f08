#include "model/controls/text_box.h"

namespace reminder {

void TextBox::setText(std::string text) {
  if (text_ == text) return;
  text_ = std::move(text);
  notify(Property::Text);
  if (onChange) onChange();
}

void TextBox::userEdit(std::string text) {
  if (!acceptsTyping()) return;
  setText(std::move(text));
}

void TextBox::setLocked(bool locked) {
  if (locked_ == locked) return;
  locked_ = locked;
  notify(Property::Locked);
}

}  // namespace reminder
