#include "behaviour/lang/language.h"

namespace reminder::language {

namespace {

// Moves the check mark to `chosen`, then writes the chosen column of the caption table.
void select(Form1& form, MenuItem& chosen, MenuItem& other, const char* CaptionRow::*column) {
  chosen.setChecked(true);
  other.setChecked(false);
  for (const CaptionRow& row : kCaptions) {
    std::visit([&](auto member) { (form.*member).setCaption(row.*column); }, row.control);
  }
}

}  // namespace

void attach(Context& context, Form1& form) {
  form.English.onClick = [&context] { English_Click(context); };
  form.Indonesian.onClick = [&context] { Indonesian_Click(context); };
}

void English_Click(Context& context) {
  Form1& form = context.windows.form1();
  select(form, form.English, form.Indonesian, &CaptionRow::english);
}

void Indonesian_Click(Context& context) {
  Form1& form = context.windows.form1();
  select(form, form.Indonesian, form.English, &CaptionRow::indonesian);
}

}  // namespace reminder::language
