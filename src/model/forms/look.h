#pragma once

#include "model/controls/types.h"

// Fonts and colours that several windows share.
namespace reminder::look {

inline const Color kInactiveCaptionText = Color::fromSystem(SystemColor::InactiveCaptionText);
inline const Color kHighlightText = Color::fromSystem(SystemColor::HighlightText);
inline const Color kWindowText = Color::fromSystem(SystemColor::WindowText);

inline Font sansSerif(double points, bool bold = false) {
  return {"MS Sans Serif", points, bold};
}
inline Font eras() {
  return {"Eras Medium ITC", 8.25, true};
}

}  // namespace reminder::look
