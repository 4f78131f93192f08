#include "behaviour/expiry/time_up_window.h"

namespace reminder::timeup {

void attach(Context& context, FrmSplash& form) {
  form.Image1.onClick = [&context] { Image1_Click(context); };
  // Closing by the frame puts the window away too; the next expiry shows it again.
  form.onCloseRequest = [&context] { Image1_Click(context); };
}

void Image1_Click(Context& context) {
  context.windows.frmSplash().hide();
}

}  // namespace reminder::timeup
