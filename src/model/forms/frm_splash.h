#pragma once

#include "model/controls/form.h"
#include "model/controls/image.h"
#include "model/controls/label.h"

namespace reminder {

// The Time Up window: large "TIME UP" and an OK picture that puts the window away.
class FrmSplash final : public Form {
 public:
  FrmSplash();

  Label Label1{*this, "Label1"};
  Image Image1{*this, "Image1"};
};

}  // namespace reminder
