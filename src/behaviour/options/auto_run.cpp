#include "behaviour/options/auto_run.h"

#include "model/controls/file_lists.h"

namespace reminder::autorun {

namespace {

Form2& picker(Context& context) {
  return context.windows.form2();
}

// A root ("/", "C:\") already ends with its separator; any other folder gets one.
std::string pathIn(const std::string& folder, const std::string& name, char separator) {
  if (!folder.empty() && isPathSeparator(folder.back())) return folder + name;
  return folder + separator + name;
}

// The status line names the program exactly while it is going to be started.
void ShowAutoRunStatus(Context& context) {
  const Form2& form = picker(context);
  context.windows.form1().Label12.setCaption(form.Check1.ticked() ? "Run " + form.Text1.text()
                                                                  : "");
}

}  // namespace

void attach(Context& context, Form1& form) {
  form.Selprog.onClick = [&context] { Selprog_Click(context); };
  form.cancel.onClick = [&context] { cancel_Click(context); };
}

void attach(Context& context, Form2& form) {
  form.Drive1.onChange = [&context] { Drive1_Change(context); };
  form.Dir1.onChange = [&context] { Dir1_Change(context); };
  form.File1.onClick = [&context] { File1_Click(context); };
  form.Text1.onChange = [&context] { Text1_Change(context); };
  form.Check1.onClick = [&context] { Check1_Click(context); };
  form.Command1.onClick = [&context] { Command1_Click(context); };
  form.Timer1.onTimer = [&context] { Timer1_Timer(context); };
  // Closing by the frame puts the picker away and keeps the choice, like "Back" in the
  // other picker.
  form.onCloseRequest = [&form] { form.hide(); };

  // Browsing starts at the first drive.
  form.Drive1.setDrives(context.platform.files.drives());
  if (!form.Drive1.drives().empty()) form.Drive1.setDrive(form.Drive1.drives().front());
}

void Selprog_Click(Context& context) {
  Form2& form = picker(context);
  // Media plugged in since the picker was last open show up among the drives.
  form.Drive1.setDrives(context.platform.files.drives());
  form.show();
}

void Drive1_Change(Context& context) {
  Form2& form = picker(context);
  // A drive that cannot be read (an empty card reader, say) leaves the lists where they were.
  if (!context.platform.files.subfolders(form.Drive1.drive())) return;
  form.Dir1.setPath(form.Drive1.drive());
}

void Dir1_Change(Context& context) {
  Form2& form = picker(context);
  const FileSystem& files = context.platform.files;
  const std::string folder = form.Dir1.path();
  // A folder that cannot be read shows empty; the folders above it stay there to go back.
  form.Dir1.setSubfolders(files.subfolders(folder).value_or(std::vector<std::string>{}));
  form.File1.setPath(folder);
  form.File1.setFiles(files.programs(folder).value_or(std::vector<std::string>{}));
}

void File1_Click(Context& context) {
  Form2& form = picker(context);
  form.Text1.setText(
      pathIn(form.Dir1.path(), form.File1.fileName(), context.platform.files.separator()));
}

void Text1_Change(Context& context) {
  Form2& form = picker(context);
  // Two backslashes after a drive's colon: rebuild the path from the lists with one, also
  // when the folder is not the drive's root and so does not end with it.
  const std::string& text = form.Text1.text();
  if (text.size() >= 4 && text.compare(2, 2, "\\\\") == 0) {
    form.Text1.setText(
        pathIn(form.Dir1.path(), form.File1.fileName(), context.platform.files.separator()));
  }
  ShowAutoRunStatus(context);
}

void Check1_Click(Context& context) {
  picker(context).hide();
  ShowAutoRunStatus(context);
  context.windows.form1().cancel.setVisible(true);
}

void Command1_Click(Context& context) {
  Form2& form = picker(context);
  form.Check1.setValue(0);
  context.windows.form1().Label12.setCaption("");
  form.hide();
}

void Timer1_Timer(Context& context) {
  Form2& form = picker(context);
  const std::string commandLine = form.Text1.text();
  const StartOutcome outcome =
      context.platform.commands.start(commandLine, WindowStyle::NormalWithFocus);
  form.Check1.setValue(0);
  form.Timer1.setEnabled(false);
  // Told once the choice is used up, so that a program that cannot start is tried once.
  if (!outcome.started) {
    context.platform.dialogs.show(
        {startFailedPrompt(commandLine, outcome.error), kStartFailedTitle, MessageButtons::Ok});
  }
}

void cancel_Click(Context& context) {
  picker(context).Check1.setValue(0);
  Form1& main = context.windows.form1();
  main.Label12.setCaption("");
  main.cancel.setVisible(false);
}

std::string startFailedPrompt(const std::string& commandLine, const std::string& reason) {
  std::string prompt = "Could not start the program: " + commandLine +
                       "/Program tidak dapat dijalankan: " + commandLine;
  if (!reason.empty()) prompt += "\n" + reason;
  return prompt;
}

}  // namespace reminder::autorun
