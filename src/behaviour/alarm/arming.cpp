#include "behaviour/alarm/arming.h"

#include "behaviour/alarm/alarm_entry.h"
#include "behaviour/alarm/clock.h"
#include "behaviour/awake/keep_awake.h"
#include "behaviour/options/auto_shutdown.h"

namespace reminder::alarm {

namespace {

void appendToComposedTime(Form1& f, const std::string& part) {
  f.Text2.setText(f.Text2.text() + part);
}

// Names the armed time even if the alarm goes off while the question is still open.
std::string autoShutdownNotice(const std::string& at) {
  return "Your Computer shut down automatic on " + at +
         "/Komputer anda akan di matikan secara otomatis pada pukul " + at;
}

}  // namespace

void attachArming(Context& context, Form1& form) {
  form.Command2.onClick = [&context] { Command2_Click(context); };
  form.Command3.onClick = [&context] { Command3_Click(context); };
}

void Command2_Click(Context& context) {
  Form1& f = context.windows.form1();
  // A target the clock can never show would leave the alarm armed and silent for ever, so
  // the entry is checked first and the target written as the clock writes that time.
  const std::optional<TimeOfDay> time = entryTime(
      context.platform.regional,
      {f.Text5.text(), f.Text6.text(), f.Text7.text(), f.Option1.value(), f.Option2.value()},
      clock::offersAmPm(clock::clockText(context)));
  if (!time) {
    context.platform.dialogs.show({kInvalidTime, "Alarm", MessageButtons::Ok});
    return;
  }
  appendToComposedTime(f, f.Text5.text() + ":");
  appendToComposedTime(f, f.Text6.text() + ":");
  appendToComposedTime(f, f.Text7.text());
  f.Text3.setText(clock::clockText(context, *time));
  f.Command2.setEnabled(false);
  f.Text5.setEnabled(false);
  f.Text6.setEnabled(false);
  f.Text7.setEnabled(false);
  autoshutdown::AskAtStart(context, autoShutdownNotice(f.Text3.text()));
  f.Option1.setEnabled(false);
  f.Option2.setEnabled(false);
  awake::KeepAwakeWhileSet(context);
}

void Command3_Click(Context& context) {
  Form1& f = context.windows.form1();
  f.Command2.setEnabled(true);
  f.Text3.setText("");
  f.Text2.setText("");
  autoshutdown::SetAutoShutdown(context, false);
  f.Option2.setEnabled(true);
  f.Option1.setEnabled(true);
  f.Text5.setEnabled(true);
  f.Text6.setEnabled(true);
  f.Text7.setEnabled(true);
  awake::KeepAwakeWhileSet(context);
}

void CancelButtonHousekeeping(Context& context) {
  Form1& f = context.windows.form1();
  f.Command3.setEnabled(!f.Text3.text().empty());
}

}  // namespace reminder::alarm
