#pragma once

#include <string>
#include <string_view>

#include "model/controls/text_box.h"

namespace reminder::test {

// Types `characters` one at a time at the end of the field, as a user would: each keystroke
// that the field accepts raises Change.
inline void type(TextBox& field, std::string_view characters) {
  for (const char c : characters) {
    if (field.maxLength != 0 && field.text().size() >= field.maxLength) return;
    if (!field.acceptsTyping()) return;
    field.userEdit(field.text() + c);
  }
}

}  // namespace reminder::test
