#include "frontend/shared/accessible_names.h"

#include <algorithm>
#include <cctype>

#include "model/controls/check_box.h"
#include "model/controls/command_button.h"
#include "model/controls/file_lists.h"
#include "model/controls/frame.h"
#include "model/controls/image.h"
#include "model/controls/label.h"
#include "model/controls/line.h"
#include "model/controls/option_button.h"
#include "model/controls/text_box.h"
#include "model/controls/visitor.h"

namespace reminder::presentation {

namespace {

class NameOf final : public ControlVisitor {
 public:
  std::string name;

  void visit(Label& c) override { captionOrFallback(c, c.caption()); }
  void visit(TextBox& c) override { captionOrFallback(c, ""); }
  void visit(CommandButton& c) override { name = c.caption(); }
  void visit(CheckBox& c) override { name = c.caption(); }
  void visit(OptionButton& c) override { name = c.caption(); }
  void visit(Frame& c) override { name = c.caption; }
  void visit(Line& c) override { name = c.name(); }
  void visit(Image& c) override {
    name = c.picture;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
  }
  void visit(DriveList& /*c*/) override { name = "Drive"; }
  void visit(DirList& /*c*/) override { name = "Folder"; }
  void visit(FileList& /*c*/) override { name = "File"; }

 private:
  void captionOrFallback(const Control& c, const std::string& caption) {
    if (!caption.empty()) {
      name = caption;
    } else {
      name = c.layout.toolTip.empty() ? c.name() : c.layout.toolTip;
    }
  }
};

}  // namespace

std::string accessibleName(Control& control) {
  NameOf visitor;
  control.accept(visitor);
  return visitor.name;
}

std::string accessibleName(const Form& form) {
  return form.caption.empty() ? form.name() : form.caption;
}

}  // namespace reminder::presentation
