#pragma once

#include <vector>

#include "model/controls/control.h"
#include "model/controls/form.h"

namespace reminder::presentation {

// Whether the keyboard can reach the control: fields, buttons, choices and the file lists;
// labels, pictures, frames and lines are passed over.
[[nodiscard]] bool takesFocus(const Control& control);

// The controls that take the focus, in the order of their tab indices (definition order
// among equal ones).
[[nodiscard]] std::vector<Control*> tabOrder(const Form& form);

}  // namespace reminder::presentation
