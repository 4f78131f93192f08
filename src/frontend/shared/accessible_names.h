#pragma once

#include <string>

#include "model/controls/control.h"
#include "model/controls/form.h"

namespace reminder::presentation {

// What a screen reader (and a test through the accessibility interface) calls a control: its
// caption; where it has none, its tooltip, else its name. Pictures are called by what they
// show, the file lists by what they list.
[[nodiscard]] std::string accessibleName(Control& control);

// A window: its caption, else its name.
[[nodiscard]] std::string accessibleName(const Form& form);

}  // namespace reminder::presentation
