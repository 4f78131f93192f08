#include "support/invariants.h"

#include <cmath>
#include <sstream>

#include "behaviour/lang/language.h"
#include "behaviour/options/auto_shutdown.h"

namespace reminder::test {

namespace {

class Checker {
 public:
  void expect(bool holds, const std::string& what) {
    if (!holds) broken.push_back(what);
  }
  std::vector<std::string> broken;
};

bool wholeAtLeast(const Regional& regional, const std::string& text, double least) {
  const std::optional<double> value = regional.toNumber(text);
  return value && std::trunc(*value) == *value && *value >= least;
}

void autoShutdown(Checker& check, Form1& f) {
  check.expect(f.Onshut.checked() != f.Offshut.checked(), "exactly one of On and Off checked");
  check.expect(f.Label11.caption() ==
                   (f.Onshut.checked() ? autoshutdown::kOnStatus : autoshutdown::kOffStatus),
               "the auto shutdown status line names the checked item");
}

void countdown(Checker& check, Harness& app, Form1& f) {
  const bool running = f.Text8.visible();
  for (const Timer* timer : {&f.Timer3, &f.Timer4, &f.Timer5, &f.Timer6}) {
    check.expect(timer->enabled() == running, timer->name() + " runs exactly with the countdown");
  }
  check.expect(f.Text1.locked() == running, "the minutes field is locked exactly while running");
  if (running) {
    check.expect(!f.Command1.enabled() && f.Command4.enabled(),
                 "a running countdown offers Cancel, not Start");
    check.expect(!f.Label15.caption().empty(), "a running countdown shows its set time");
    check.expect(wholeAtLeast(app.platform.regional, f.Text1.text(), 1) &&
                     wholeAtLeast(app.platform.regional, f.Text8.text(), 1),
                 "a running countdown has whole minutes and seconds left to count down");
  } else {
    for (const Line* arm : {&f.Line6, &f.Line7, &f.Line8, &f.Line9}) {
      check.expect(!arm->visible(), arm->name() + " is hidden while no countdown runs");
    }
    check.expect(!f.Command1.enabled() || f.Text1.text() != "0", "Start is off at \"0\"");
  }
}

void alarm(Checker& check, Harness& app, Form1& f, bool settled) {
  const bool armed = !f.Text3.text().empty();
  if (armed) {
    check.expect(!f.Command2.enabled() && !f.Option1.enabled() && !f.Option2.enabled(),
                 "an armed alarm takes no second Start or AM/PM choice");
    check.expect(app.regional.parseTime(f.Text3.text()).has_value(),
                 "the armed target is a text the clock shows");
  } else {
    check.expect(f.Text2.text().empty(), "no composed time is left without an alarm");
  }
  for (const TextBox* field : {&f.Text5, &f.Text6, &f.Text7}) {
    check.expect(field->enabled() != armed, field->name() + " takes typing exactly while idle");
  }
  if (settled) check.expect(f.Command3.enabled() == armed, "Cancel is usable exactly while armed");
}

void statusLines(Checker& check, Harness& app, Form1& f) {
  const bool runArmed = app.built.contains("Form2") && app.form2().Check1.ticked();
  check.expect(f.Label12.caption() == (runArmed ? "Run " + app.form2().Text1.text() : ""),
               "the auto-run line names the program exactly while it is armed");
  const bool closeArmed = app.built.contains("Form3") && app.form3().Check5.ticked();
  check.expect(f.Label17.caption() == (closeArmed ? "Close " + app.form3().Text1.text() : ""),
               "the auto-close line names the players exactly while armed");
}

void language(Checker& check, Form1& f) {
  check.expect(f.English.checked() != f.Indonesian.checked(), "exactly one language checked");
  // Before the first switch the captions are the window's own; after it, all of one column.
  for (const language::CaptionRow& row : language::kCaptions) {
    const std::string other = f.English.checked() ? row.indonesian : row.english;
    if (other == (f.English.checked() ? row.english : row.indonesian)) continue;
    std::visit([&](auto member) { check.expect((f.*member).caption() != other, other); },
               row.control);
  }
}

// Writes each control's state the same way, whatever its kind.
class Describer final : public ControlVisitor {
 public:
  explicit Describer(std::ostringstream& out) : out_(out) {}
  void visit(Label& c) override { common(c) << " caption=" << c.caption(); }
  void visit(TextBox& c) override { common(c) << " text=" << c.text() << " locked=" << c.locked(); }
  void visit(CommandButton& c) override { common(c) << " caption=" << c.caption(); }
  void visit(CheckBox& c) override { common(c) << " value=" << c.value(); }
  void visit(OptionButton& c) override { common(c) << " value=" << c.value(); }
  void visit(Frame& c) override { common(c); }
  void visit(Line& c) override { common(c); }
  void visit(Image& c) override { common(c); }
  void visit(DriveList& c) override { common(c) << " drive=" << c.drive(); }
  void visit(DirList& c) override { common(c) << " path=" << c.path(); }
  void visit(FileList& c) override { common(c) << " file=" << c.fileName(); }

 private:
  std::ostringstream& common(const Control& c) {
    out_ << '\n' << c.name() << " enabled=" << c.enabled() << " visible=" << c.visible();
    return out_;
  }
  std::ostringstream& out_;
};

void describe(std::ostringstream& out, Form& form) {
  out << '\n' << form.name() << " visible=" << form.visible();
  Describer describer(out);
  for (Control* control : form.controls()) control->accept(describer);
  for (const Timer* timer : form.timers())
    out << '\n' << timer->name() << " on=" << timer->running();
  std::vector<const MenuItem*> items(form.menuBar().begin(), form.menuBar().end());
  for (std::size_t i = 0; i < items.size(); ++i) {
    out << '\n'
        << items[i]->name() << " checked=" << items[i]->checked()
        << " visible=" << items[i]->visible();
    items.insert(items.end(), items[i]->items().begin(), items[i]->items().end());
  }
}

}  // namespace

std::vector<std::string> brokenInvariants(Harness& app, bool settled) {
  Checker check;
  Form1& f = app.form1();
  autoShutdown(check, f);
  countdown(check, app, f);
  alarm(check, app, f, settled);
  statusLines(check, app, f);
  language(check, f);
  return check.broken;
}

std::string describeWindows(Harness& app) {
  std::ostringstream out;
  describe(out, app.form1());
  if (app.built.contains("frmSplash")) describe(out, app.splash());
  if (app.built.contains("Form2")) describe(out, app.form2());
  if (app.built.contains("Form3")) describe(out, app.form3());
  return out.str();
}

}  // namespace reminder::test
