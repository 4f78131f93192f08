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

void TextBox::type(std::string_view characters) {
  for (const char c : characters) {
    if (!acceptsTyping()) return;
    if (maxLength != 0 && text_.size() >= maxLength) return;
    setText(text_ + c);
  }
}

void TextBox::setLocked(bool locked) {
  if (locked_ == locked) return;
  locked_ = locked;
  notify(Property::Locked);
}

}  // namespace reminder
