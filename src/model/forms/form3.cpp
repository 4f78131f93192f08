#include "model/forms/form3.h"

#include "model/forms/look.h"

namespace reminder {

Form3::Form3() : Form("Form3") {
  caption = "Select Program";
  border = FormBorder::FixedToolWindow;
  showInTaskbar = false;
  clientWidth = 4560;
  clientHeight = 3060;
  const Color peach = Color::rgb(255, 224, 192);
  backColor = peach;

  const Font narkisim{"Narkisim", 11.25, false, 177};
  Label1.layout = {
      .rect = {360, 120, 4095, 255}, .tabIndex = 0, .font = narkisim, .backColor = peach};
  Label1.setCaption("Select Program :");
  const auto player = [&](CheckBox& box, const char* caption, TwipRect rect, int tab) {
    box.layout = {.rect = rect, .tabIndex = tab, .font = narkisim, .backColor = peach};
    box.setCaption(caption);
  };
  player(Check1, "Close Windows Media Player", {360, 720, 2895, 255}, 1);
  player(Check2, "Close Winamp", {360, 1200, 2295, 255}, 2);
  player(Check3, "Close Real Player", {360, 1680, 2295, 375}, 3);
  player(Check4, "Close Explorer", {360, 2160, 2295, 375}, 4);
  Check5.layout = {.rect = {3000, 2160, 735, 375},
                   .tabIndex = 5,
                   .font = Font{"Niagara Engraved", 11.25, false},
                   .foreColor = look::kWindowText,
                   .backColor = Color::rgb(255, 192, 128),
                   .flat = true};
  Check5.setCaption("OK");
  Check5.pushButtonLook = true;
  Command1.layout = {.rect = {3720, 1800, 735, 435},
                     .tabIndex = 6,
                     .font = Font{"Niagara Solid", 11.25, false},
                     .backColor = Color::rgb(255, 128, 0),
                     .flat = true};
  Command1.setCaption("Cancel");
  Text1.layout = {.rect = {2880, 1320, 1575, 285}, .tabIndex = 7};
  Text1.setVisible(false);
  Command2.layout = {.rect = {2280, 2520, 735, 375},
                     .tabIndex = 8,
                     .font = Font{"Candara", 8.25, true},
                     .backColor = peach};
  Command2.setCaption("Back");
  Label2.layout = {.rect = {3360, 720, 1455, 255},
                   .tabIndex = 9,
                   .font = Font{"Arabic Typesetting", 8.25, false},
                   .backColor = peach};
  Label2.setCaption("Not Docked on Toolbar");
}

}  // namespace reminder
