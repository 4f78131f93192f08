#pragma once

#include "model/controls/check_box.h"
#include "model/controls/command_button.h"
#include "model/controls/file_lists.h"
#include "model/controls/form.h"
#include "model/controls/text_box.h"

namespace reminder {

// The auto-run program picker: drives, folders and programs, the path box, "OK" and
// "Cancel", and the timer that starts the program after an expiry.
class Form2 final : public Form {
 public:
  Form2();

  DriveList Drive1{*this, "Drive1"};
  DirList Dir1{*this, "Dir1"};
  FileList File1{*this, "File1"};
  CheckBox Check1{*this, "Check1"};
  TextBox Text1{*this, "Text1"};
  CommandButton Command1{*this, "Command1"};

  Timer Timer1{*this, "Timer1", 1000, false};
};

}  // namespace reminder
