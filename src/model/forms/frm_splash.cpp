#include "model/forms/frm_splash.h"

#include "model/forms/look.h"

namespace reminder {

FrmSplash::FrmSplash() : Form("frmSplash") {
  border = FormBorder::FixedDialog;
  showInTaskbar = false;
  clientWidth = 7380;
  clientHeight = 4245;
  backColor = look::kHighlightText;
  startPosition = StartPosition::CenterOwner;
  // The reminder must reach someone playing full screen, or with the main window minimised.
  ownerless = true;
  topMost = true;

  Label1.layout = {.rect = {840, 600, 6015, 1935},
                   .tabIndex = 0,
                   .font = look::sansSerif(72, true),
                   .backColor = look::kHighlightText};
  Label1.setCaption("TIME UP");
  Image1.layout = {.rect = {480, 3120, 960, 705}};
  Image1.picture = "ok";
}

}  // namespace reminder
