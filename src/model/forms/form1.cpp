#include "model/forms/form1.h"

#include "model/forms/credits.h"
#include "model/forms/look.h"

namespace reminder {

using look::eras;
using look::kInactiveCaptionText;
using look::sansSerif;

Form1::Form1() : Form("Form1") {
  caption = credits::kProgramName;
  border = FormBorder::FixedSingle;
  showInTaskbar = true;
  clientWidth = 5430;
  clientHeight = 6375;
  backColor = kInactiveCaptionText;
  foreColor = Color::rgb(0, 0, 0);
  icon = "icon";

  const auto back = kInactiveCaptionText;

  // The countdown.
  Text1.layout = {
      .rect = {600, 720, 615, 285}, .tabIndex = 0, .toolTip = "Insert Minute", .flat = true};
  Command1.layout = {.rect = {360, 1200, 855, 255},
                     .tabIndex = 1,
                     .font = sansSerif(8.25, true),
                     .backColor = back,
                     .flat = true};
  Command1.setCaption("Start");
  Command1.setEnabled(false);
  Label1.layout = {.rect = {600, 480, 2295, 255},
                   .tabIndex = 2,
                   .font = eras(),
                   .foreColor = Color::rgb(192, 0, 0),
                   .backColor = back};
  Label1.setCaption("Insert Minute :");
  Label2.layout = {.rect = {1320, 720, 615, 255},
                   .tabIndex = 3,
                   .font = eras(),
                   .foreColor = Color::rgb(128, 0, 0),
                   .backColor = back};
  Label2.setCaption("Minute");
  Label3.layout = {.rect = {480, 120, 3615, 375},
                   .tabIndex = 4,
                   .font = Font{"Showcard Gothic", 12, true},
                   .foreColor = Color::rgb(255, 0, 0),
                   .backColor = back};
  Label3.setCaption("Countdown");

  // The alarm and the clock.
  Label4.layout = {.rect = {480, 1920, 1815, 375},
                   .tabIndex = 5,
                   .font = Font{"Lucida Handwriting", 12, false},
                   .foreColor = Color::rgb(0, 0, 255),
                   .backColor = back};
  Label4.setCaption("Alarm");
  Label5.layout = {.rect = {600, 2640, 75, 225},
                   .tabIndex = 6,
                   .foreColor = Color::rgb(0, 192, 0),
                   .backColor = look::kWindowText,
                   .toolTip = "It's Now!",
                   .flat = true};
  Label5.autoSize = true;
  Label5.border = LabelBorder::FlatSingle;
  Label6.layout = {.rect = {480, 2280, 1935, 255},
                   .tabIndex = 7,
                   .font = eras(),
                   .foreColor = Color::rgb(0, 0, 192),
                   .backColor = back};
  Label6.setCaption("Now :");
  Label7.layout = {.rect = {2880, 2160, 1695, 255},
                   .tabIndex = 8,
                   .font = eras(),
                   .foreColor = Color::rgb(128, 128, 255),
                   .backColor = back};
  Label7.setCaption("Insert Time :");
  Text2.layout = {
      .rect = {4200, 1800, 1095, 285}, .tabIndex = 9, .toolTip = "Insert Time", .flat = true};
  Text2.maxLength = 8;
  Text2.setVisible(false);
  Text3.layout = {.rect = {4200, 2160, 1335, 285}, .tabIndex = 10};
  Text3.setVisible(false);
  Option1.layout = {.rect = {4440, 2520, 375, 315},
                    .tabIndex = 11,
                    .font = sansSerif(8.25, true),
                    .foreColor = Color::rgb(128, 0, 128),
                    .backColor = back,
                    .toolTip = "AM",
                    .flat = true};
  Option1.setCaption("AM");
  Option1.pushButtonLook = true;
  Option1.setEnabled(false);
  Option2.layout = {.rect = {4800, 2520, 375, 315},
                    .tabIndex = 12,
                    .font = sansSerif(8.25, true),
                    .foreColor = Color::rgb(192, 0, 192),
                    .backColor = back,
                    .toolTip = "PM",
                    .flat = true};
  Option2.setCaption("PM");
  Option2.pushButtonLook = true;
  Option2.setEnabled(false);
  Text4.layout = {.rect = {4200, 3000, 975, 285}, .tabIndex = 13};
  Text4.setVisible(false);
  Label8.layout = {.rect = {2760, 2880, 1575, 255},
                   .tabIndex = 14,
                   .font = Font{"Bauhaus 93", 12, false},
                   .foreColor = Color::rgb(192, 0, 0),
                   .backColor = back};
  Label8.setCaption("H/HH:MM:SS");
  Label9.layout = {.rect = {2640, 3240, 1815, 255}, .tabIndex = 15, .backColor = back};
  Label9.setCaption("(ex: 1:30:05 or 15:05:08)");
  Command2.layout = {.rect = {360, 3120, 855, 255},
                     .tabIndex = 16,
                     .font = sansSerif(8.25, true),
                     .backColor = back,
                     .toolTip = "Count!",
                     .flat = true};
  Command2.setCaption("Start");
  Command2.setEnabled(false);

  // Credits and status.
  Label10.layout = {.rect = {1800, 5160, 2295, 615},
                    .tabIndex = 17,
                    .font = Font{"Viner Hand ITC", 9, false},
                    .foreColor = Color::rgb(0, 0, 255),
                    .backColor = Color::rgb(192, 255, 192),
                    .toolTip = credits::kCreditToolTip};
  Label10.border = LabelBorder::Sunken;
  Label10.setCaption(credits::kCreditLabel);
  Frame1.layout = {.rect = {480, 3600, 4695, 1335},
                   .tabIndex = 18,
                   .font = eras(),
                   .foreColor = Color::rgb(0, 0, 255),
                   .backColor = back};
  Frame1.caption = "Status";
  Label11.layout = {.rect = {120, 240, 45, 195},
                    .tabIndex = 19,
                    .foreColor = Color::rgb(255, 0, 0),
                    .backColor = back,
                    .container = &Frame1};
  Label11.autoSize = true;
  Label12.layout = {
      .rect = {120, 480, 45, 195}, .tabIndex = 20, .backColor = back, .container = &Frame1};
  Label12.autoSize = true;

  // The alarm entry.
  Text5.layout = {.rect = {2640, 2520, 375, 285}, .tabIndex = 21, .toolTip = "Hour", .flat = true};
  Text5.maxLength = 2;
  Text6.layout = {
      .rect = {3240, 2520, 375, 285}, .tabIndex = 22, .toolTip = "Minute", .flat = true};
  Text6.maxLength = 2;
  Text7.layout = {
      .rect = {3840, 2520, 375, 285}, .tabIndex = 23, .toolTip = "Second", .flat = true};
  Text7.maxLength = 2;
  Label13.layout = {.rect = {3120, 2520, 135, 255},
                    .tabIndex = 24,
                    .font = sansSerif(12, true),
                    .backColor = back};
  Label13.setCaption(":");
  Label14.layout = {.rect = {3720, 2520, 135, 255},
                    .tabIndex = 25,
                    .font = sansSerif(12, true),
                    .backColor = back};
  Label14.setCaption(":");
  Command3.layout = {.rect = {1200, 3120, 855, 255},
                     .tabIndex = 26,
                     .font = sansSerif(8.25, true),
                     .backColor = back};
  Command3.setCaption("Cancel");
  Command3.setEnabled(false);
  Command4.layout = {.rect = {1200, 1200, 855, 255},
                     .tabIndex = 27,
                     .font = sansSerif(8.25, true),
                     .backColor = back};
  Command4.setCaption("Cancel");
  Command4.setEnabled(false);
  Label15.layout = {.rect = {2040, 720, 1935, 255}, .tabIndex = 28, .backColor = back};
  Label16.layout = {
      .rect = {1560, 5880, 2655, 255}, .tabIndex = 29, .font = eras(), .backColor = back};
  Label16.setCaption(credits::kMotto);
  Text8.layout = {.rect = {4200, 1200, 255, 285}, .tabIndex = 30, .flat = true};
  Text8.setText("60");
  Text8.setLocked(true);
  Text8.setVisible(false);
  Label17.layout = {
      .rect = {120, 840, 45, 195}, .tabIndex = 31, .backColor = back, .container = &Frame1};
  Label17.autoSize = true;
  // The clock, and with it the alarm, changes the moment a second begins.
  Timer2.onClock = true;
  // A countdown of N minutes ends N minutes after Start, though the computer slept between.
  Timer4.catchesUp = true;

  // The countdown's four-armed indicator, the clock's rectangle and the rule between the
  // countdown and the alarm.
  const auto place = [](Line& line, int x1, int y1, int x2, int y2, std::optional<Color> color,
                        bool visible) {
    line.x1 = x1;
    line.y1 = y1;
    line.x2 = x2;
    line.y2 = y2;
    line.color = color;
    line.setVisible(visible);
  };
  place(Line9, 4320, 1080, 4320, 840, Color::rgb(255, 0, 255), false);
  place(Line8, 4080, 840, 4320, 840, Color::rgb(0, 255, 255), false);
  place(Line7, 4320, 600, 4320, 840, Color::rgb(255, 0, 0), false);
  place(Line6, 4320, 840, 4560, 840, Color::rgb(0, 0, 255), false);
  place(Line5, 480, 2520, 480, 3000, std::nullopt, true);
  place(Line4, 480, 3000, 1560, 3000, std::nullopt, true);
  place(Line3, 1560, 3000, 1560, 2520, std::nullopt, true);
  place(Line2, 480, 2520, 1560, 2520, std::nullopt, true);
  place(Line1, 360, 1680, 5280, 1680, std::nullopt, true);

  English.setChecked(true);
  Offshut.setChecked(true);
  cancelc.setVisible(false);
  cancel.setVisible(false);
}

}  // namespace reminder
