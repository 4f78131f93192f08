#include "frontend/shared/tab_order.h"

#include <algorithm>

#include "model/controls/check_box.h"
#include "model/controls/command_button.h"
#include "model/controls/file_lists.h"
#include "model/controls/option_button.h"
#include "model/controls/text_box.h"

namespace reminder::presentation {

bool takesFocus(const Control& control) {
  return dynamic_cast<const TextBox*>(&control) != nullptr ||
         dynamic_cast<const CommandButton*>(&control) != nullptr ||
         dynamic_cast<const CheckBox*>(&control) != nullptr ||
         dynamic_cast<const OptionButton*>(&control) != nullptr ||
         dynamic_cast<const DriveList*>(&control) != nullptr ||
         dynamic_cast<const DirList*>(&control) != nullptr ||
         dynamic_cast<const FileList*>(&control) != nullptr;
}

std::vector<Control*> tabOrder(const Form& form) {
  std::vector<Control*> order;
  for (Control* control : form.controls()) {
    if (takesFocus(*control)) order.push_back(control);
  }
  std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
    return a->layout.tabIndex < b->layout.tabIndex;
  });
  return order;
}

}  // namespace reminder::presentation
