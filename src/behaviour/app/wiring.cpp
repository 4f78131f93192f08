#include "behaviour/app/wiring.h"

#include "behaviour/alarm/alarm_entry.h"
#include "behaviour/alarm/arming.h"
#include "behaviour/alarm/clock.h"
#include "behaviour/app/shell.h"
#include "behaviour/countdown/countdown.h"
#include "behaviour/expiry/alarm_trigger.h"
#include "behaviour/expiry/countdown_trigger.h"
#include "behaviour/expiry/time_up_window.h"
#include "behaviour/lang/language.h"
#include "behaviour/options/auto_close.h"
#include "behaviour/options/auto_run.h"
#include "behaviour/options/auto_shutdown.h"

namespace reminder {

namespace {

void attachForm1(Context& context, Form1& form) {
  shell::attach(context, form);
  autoshutdown::attach(context, form);
  language::attach(context, form);
  clock::attach(context, form);
  alarm::attachEntry(context, form);
  alarm::attachArming(context, form);
  expiry::attachAlarmTrigger(context, form);
  countdown::attach(context, form);
  expiry::attachCountdownTrigger(context, form);
  autorun::attach(context, form);
  autoclose::attach(context, form);
}

}  // namespace

void attachBehaviour(Context& context, Form& form) {
  if (auto* form1 = dynamic_cast<Form1*>(&form)) attachForm1(context, *form1);
  if (auto* splash = dynamic_cast<FrmSplash*>(&form)) timeup::attach(context, *splash);
  if (auto* form2 = dynamic_cast<Form2*>(&form)) autorun::attach(context, *form2);
  if (auto* form3 = dynamic_cast<Form3*>(&form)) autoclose::attach(context, *form3);
}

}  // namespace reminder
