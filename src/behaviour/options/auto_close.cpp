#include "behaviour/options/auto_close.h"

namespace reminder::autoclose {

void attach(Context& context, Form1& form) {
  form.selproc.onClick = [&context] { selproc_Click(context); };
  form.cancelc.onClick = [&context] { cancelc_Click(context); };
}

void attach(Context& context, Form3& form) {
  form.Check5.onClick = [&context] { Check5_Click(context); };
  form.Command1.onClick = [&context] { Command1_Click(context); };
  form.Command2.onClick = [&context] { Command2_Click(context); };
  form.onCloseRequest = [&context] { Command2_Click(context); };
}

void selproc_Click(Context& context) {
  context.windows.form3().show();
}

void Check5_Click(Context& context) {
  Form3& form = context.windows.form3();
  // Rebuilt from the boxes at every confirmation, so that the summary names each ticked
  // player once.
  std::string summary;
  for (const Player& player : kPlayers) {
    if ((form.*player.box).ticked()) summary += player.summary;
  }
  form.Text1.setText(summary);
  form.hide();
  Form1& main = context.windows.form1();
  // The status line speaks only while the expiry is going to close something.
  main.Label17.setCaption(form.Check5.ticked() ? "Close " + form.Text1.text() : "");
  main.cancelc.setVisible(true);
}

void Command1_Click(Context& context) {
  ClearChoice(context);
  context.windows.form3().hide();
}

void Command2_Click(Context& context) {
  // Back undoes the ticks since the last confirmation, so that the expiry closes exactly
  // what the status line names. The summary is that confirmation's record of the players.
  Form3& picker = context.windows.form3();
  const std::string& confirmed = picker.Text1.text();
  for (const Player& player : kPlayers) {
    (picker.*player.box).setValue(confirmed.find(player.summary) != std::string::npos ? 1 : 0);
  }
  context.windows.form1().show();
  picker.hide();
}

void cancelc_Click(Context& context) {
  ClearChoice(context);
}

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
