#pragma once

#include "model/controls/check_box.h"
#include "model/controls/command_button.h"
#include "model/controls/form.h"
#include "model/controls/frame.h"
#include "model/controls/label.h"
#include "model/controls/line.h"
#include "model/controls/option_button.h"
#include "model/controls/text_box.h"

namespace reminder {

// The main window: the countdown above, the alarm and the clock below, the status frame
// and the credits at the bottom.
class Form1 final : public Form {
 public:
  Form1();

  TextBox Text1{*this, "Text1"};
  CommandButton Command1{*this, "Command1"};
  Label Label1{*this, "Label1"};
  Label Label2{*this, "Label2"};
  Label Label3{*this, "Label3"};
  Label Label4{*this, "Label4"};
  Label Label5{*this, "Label5"};
  Label Label6{*this, "Label6"};
  Label Label7{*this, "Label7"};
  TextBox Text2{*this, "Text2"};
  TextBox Text3{*this, "Text3"};
  OptionButton Option1{*this, "Option1"};
  OptionButton Option2{*this, "Option2"};
  TextBox Text4{*this, "Text4"};
  Label Label8{*this, "Label8"};
  Label Label9{*this, "Label9"};
  CommandButton Command2{*this, "Command2"};
  Label Label10{*this, "Label10"};
  Frame Frame1{*this, "Frame1"};
  Label Label11{*this, "Label11"};
  Label Label12{*this, "Label12"};
  TextBox Text5{*this, "Text5"};
  TextBox Text6{*this, "Text6"};
  TextBox Text7{*this, "Text7"};
  Label Label13{*this, "Label13"};
  Label Label14{*this, "Label14"};
  CommandButton Command3{*this, "Command3"};
  CommandButton Command4{*this, "Command4"};
  Label Label15{*this, "Label15"};
  Label Label16{*this, "Label16"};
  TextBox Text8{*this, "Text8"};
  Label Label17{*this, "Label17"};

  Line Line9{*this, "Line9"};
  Line Line8{*this, "Line8"};
  Line Line7{*this, "Line7"};
  Line Line6{*this, "Line6"};
  Line Line5{*this, "Line5"};
  Line Line4{*this, "Line4"};
  Line Line3{*this, "Line3"};
  Line Line2{*this, "Line2"};
  Line Line1{*this, "Line1"};

  Timer Timer2{*this, "Timer2", 0, true};
  Timer Timer3{*this, "Timer3", 500, false};
  Timer Timer4{*this, "Timer4", 1000, false};
  Timer Timer5{*this, "Timer5", 1500, false};
  Timer Timer6{*this, "Timer6", 2000, false};

  MenuItem Control{*this, "Control", "Control"};
  MenuItem Minimize{Control, "Minimize", "Minimize", "F3"};
  MenuItem Exit{Control, "Exit", "Exit", "F4"};
  MenuItem Languages{*this, "Languages", "Languages"};
  MenuItem Indonesian{Languages, "Indonesian", "Indonesian", "Ctrl+I"};
  MenuItem English{Languages, "English", "English", "Ctrl+E"};
  MenuItem Shut{*this, "Shut", "Auto Shutdown"};
  MenuItem Onshut{Shut, "Onshut", "On", "Shift+Ctrl+F11"};
  MenuItem Offshut{Shut, "Offshut", "Off", "Shift+Ctrl+F12"};
  MenuItem Tools{*this, "Tools", "Tools"};
  MenuItem Autoclose{Tools, "Autoclose", "Auto Close Program"};
  MenuItem selproc{Autoclose, "selproc", "Select Program"};
  MenuItem cancelc{Autoclose, "cancelc", "Cancel"};
  MenuItem Runprog{Tools, "Runprog", "Auto Run Program "};
  MenuItem Selprog{Runprog, "Selprog", "Select Program"};
  MenuItem cancel{Runprog, "cancel", "Cancel"};
  MenuItem Help{*this, "Help", "Help"};
  MenuItem About{*this, "About", "About"};
};

}  // namespace reminder
