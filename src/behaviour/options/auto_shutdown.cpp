#include "behaviour/options/auto_shutdown.h"

namespace reminder::autoshutdown {

void attach(Context& context, Form1& form) {
  form.Onshut.onClick = [&context] {
    SetAutoShutdown(context, true);
    WarnIfPowerOffRefused(context);
  };
  form.Offshut.onClick = [&context] { SetAutoShutdown(context, false); };
}

bool isOn(Context& context) {
  return context.windows.form1().Onshut.checked();
}

void SetMarks(Form1& form, bool on) {
  form.Onshut.setChecked(on);
  form.Offshut.setChecked(!on);
}

void SetAutoShutdown(Context& context, bool on) {
  SetMarks(context.windows.form1(), on);
  ShowAutoShutdownStatus(context);
}

void ShowAutoShutdownStatus(Context& context) {
  context.windows.form1().Label11.setCaption(isOn(context) ? kOnStatus : kOffStatus);
}

void AskAtStart(Context& context, const std::string& notice) {
  Dialogs& dialogs = context.platform.dialogs;
  const bool yes = dialogs.show({kQuestion, "Exit", MessageButtons::YesNo}) == MessageAnswer::Yes;
  SetMarks(context.windows.form1(), yes);
  if (yes) dialogs.show({notice, "Information", MessageButtons::Ok});
  ShowAutoShutdownStatus(context);
  if (yes) WarnIfPowerOffRefused(context);
}

void WarnIfPowerOffRefused(Context& context) {
  switch (context.platform.power.powerOffPermission()) {
    case PowerOffPermission::Allowed:
    case PowerOffPermission::Unknown:
      return;
    case PowerOffPermission::NeedsAuthentication:
    case PowerOffPermission::Refused:
    case PowerOffPermission::NotAvailable:
      context.platform.dialogs.show({kCannotPowerOffWarning, kBoxTitle, MessageButtons::Ok});
  }
}

}  // namespace reminder::autoshutdown
