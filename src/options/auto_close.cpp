#include "options/auto_close.h"

namespace reminder::autoclose {

void attach(Context& /*context*/, Form3& /*form*/) {}

void ClearChoice(Context& context) {
  Form3& picker = context.windows.form3();
  picker.Check5.setValue(0);
  for (CheckBox* box : {&picker.Check1, &picker.Check2, &picker.Check3, &picker.Check4}) {
    box->setValue(0);
  }
  context.windows.form1().Label17.setCaption("");
  picker.Text1.setText("");
}

}  // namespace reminder::autoclose
