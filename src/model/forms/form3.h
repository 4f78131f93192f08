#pragma once

#include "model/controls/check_box.h"
#include "model/controls/command_button.h"
#include "model/controls/form.h"
#include "model/controls/label.h"
#include "model/controls/text_box.h"

namespace reminder {

// The auto-close program picker: four players to close, "OK", "Cancel" and "Back".
class Form3 final : public Form {
 public:
  Form3();

  Label Label1{*this, "Label1"};
  CheckBox Check1{*this, "Check1"};
  CheckBox Check2{*this, "Check2"};
  CheckBox Check3{*this, "Check3"};
  CheckBox Check4{*this, "Check4"};
  CheckBox Check5{*this, "Check5"};
  CommandButton Command1{*this, "Command1"};
  TextBox Text1{*this, "Text1"};
  CommandButton Command2{*this, "Command2"};
  Label Label2{*this, "Label2"};
};

}  // namespace reminder
