#include "frontend/shared/fonts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace reminder::presentation {

namespace {

struct FaceFallback {
  std::string_view face;
  FaceKind kind;
  std::array<const char*, 3> nearest;
  double scale = 1.0;  // of the size, where the stand-ins' letters run larger than the face's
};

// Faces the windows name, with faces of the same kind, width and size of letters that a
// desktop without them is likely to have.
constexpr std::array<FaceFallback, 11> kFallbacks{{
    {"MS Sans Serif", FaceKind::SansSerif, {"Microsoft Sans Serif", "Arial", "Liberation Sans"}},
    {"Eras Medium ITC", FaceKind::SansSerif, {"Eras ITC", "Liberation Sans", "DejaVu Sans"}},
    {"Showcard Gothic", FaceKind::Decorative, {"Impact", "Liberation Sans", "DejaVu Sans"}},
    {"Lucida Handwriting", FaceKind::Cursive, {"Z003", "URW Chancery L", "DejaVu Serif"}},
    {"Bauhaus 93", FaceKind::Decorative, {"DejaVu Sans", "Liberation Sans", "sans-serif"}},
    {"Viner Hand ITC", FaceKind::Cursive, {"Z003", "URW Chancery L", "DejaVu Serif"}},
    {"Narkisim",
     FaceKind::SansSerif,
     {"Liberation Sans Narrow", "Nimbus Sans Narrow", "DejaVu Sans"}},
    {"Niagara Engraved",
     FaceKind::SansSerif,
     {"Liberation Sans Narrow", "Nimbus Sans Narrow", "DejaVu Sans Condensed"}},
    {"Niagara Solid",
     FaceKind::SansSerif,
     {"Liberation Sans Narrow", "Nimbus Sans Narrow", "DejaVu Sans Condensed"}},
    {"Candara", FaceKind::SansSerif, {"Liberation Sans", "DejaVu Sans", "sans-serif"}},
    {"Arabic Typesetting",
     FaceKind::Serif,
     {"Liberation Sans Narrow", "Nimbus Sans Narrow", "serif"},
     0.8},
}};

}  // namespace

int fontPixelSize(double points, int dpi) {
  return static_cast<int>(std::lround(points * dpi / 72.0));
}

FaceChoice chooseFace(const Font& font, const FaceInstalled& installed, int dpi) {
  FaceChoice choice;
  choice.families.push_back(font.face);
  choice.bold = font.bold;
  double scale = 1.0;
  const auto fallback =
      std::find_if(kFallbacks.begin(), kFallbacks.end(),
                   [&font](const FaceFallback& f) { return f.face == font.face; });
  if (fallback != kFallbacks.end()) {
    choice.families.insert(choice.families.end(), fallback->nearest.begin(),
                           fallback->nearest.end());
    choice.kind = fallback->kind;
    if (!installed(font.face)) scale = fallback->scale;
  }
  const auto firstInstalled =
      std::find_if(choice.families.begin(), choice.families.end(), installed);
  if (firstInstalled != choice.families.end()) {
    choice.families.erase(choice.families.begin(), firstInstalled);
  }
  choice.pixelSize = fontPixelSize(font.points * scale, dpi);
  return choice;
}

Font defaultFont() {
  return {"MS Sans Serif", 8.25, false};
}

}  // namespace reminder::presentation
