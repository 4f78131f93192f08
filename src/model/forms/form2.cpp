#include "model/forms/form2.h"

#include "model/forms/look.h"

namespace reminder {

Form2::Form2() : Form("Form2") {
  caption = "Select Program";
  border = FormBorder::FixedToolWindow;
  showInTaskbar = false;
  clientWidth = 4725;
  clientHeight = 3045;
  backColor = look::kInactiveCaptionText;

  Drive1.layout = {.rect = {0, 0, 2415, 315}, .tabIndex = 0};
  Dir1.layout = {.rect = {0, 360, 2415, 1665}, .tabIndex = 1};
  File1.layout = {.rect = {2400, 0, 2295, 2040}, .tabIndex = 2};
  File1.pattern = "*.exe";
  Check1.layout = {
      .rect = {0, 2640, 615, 375}, .tabIndex = 3, .backColor = look::kInactiveCaptionText};
  Check1.setCaption("OK");
  Check1.pushButtonLook = true;
  Text1.layout = {.rect = {0, 2160, 4695, 285}, .tabIndex = 4};
  Command1.layout = {
      .rect = {720, 2640, 735, 375}, .tabIndex = 5, .backColor = look::kInactiveCaptionText};
  Command1.setCaption("Cancel");
}

}  // namespace reminder
