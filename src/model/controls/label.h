#pragma once

#include "model/controls/control.h"
#include "model/controls/visitor.h"

namespace reminder {

enum class LabelBorder : std::uint8_t { None, FlatSingle, Sunken };

// Static text. A code write that changes the caption raises Change, nested in the write.
class Label final : public Control {
 public:
  using Control::Control;
  void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

  [[nodiscard]] const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);

  bool autoSize = false;  // fits its caption; keeps its layout size while the caption is empty
  LabelBorder border = LabelBorder::None;
  Handler onChange;

 private:
  std::string caption_;
};

}  // namespace reminder
