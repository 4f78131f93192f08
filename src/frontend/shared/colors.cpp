#include "frontend/shared/colors.h"

namespace reminder::presentation {

PaletteRole paletteRole(SystemColor color) {
  switch (color) {
    case SystemColor::WindowBackground:
      return PaletteRole::Base;
    case SystemColor::WindowText:
      return PaletteRole::WindowText;
    case SystemColor::HighlightText:
      return PaletteRole::HighlightedText;
    case SystemColor::InactiveCaptionText:
      // In the classic desktop scheme this is the face colour of buttons and dialogs.
      return PaletteRole::Button;
  }
  return PaletteRole::Button;
}

}  // namespace reminder::presentation
