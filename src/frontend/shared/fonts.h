#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "frontend/shared/geometry.h"
#include "model/controls/types.h"

namespace reminder::presentation {

enum class FaceKind : std::uint8_t { Any, SansSerif, Serif, Decorative, Cursive };

// The faces to ask a font system for, in order, and the size of the letters.
struct FaceChoice {
  std::vector<std::string> families;
  FaceKind kind = FaceKind::Any;
  int pixelSize = 0;
  bool bold = false;
};

using FaceInstalled = std::function<bool(const std::string& family)>;

// A named face, followed by installed faces of the same kind, width and size of letters where
// it is missing; the list starts at the first installed one, since font systems look for
// substitutes of every missing face they meet before an installed one, slowly.
[[nodiscard]] FaceChoice chooseFace(const Font& font, const FaceInstalled& installed,
                                    int dpi = kDesignDpi);

// The letters' height in pixels of a font of `points` at `dpi`.
[[nodiscard]] int fontPixelSize(double points, int dpi = kDesignDpi);

// The face of every control that names none.
[[nodiscard]] Font defaultFont();

}  // namespace reminder::presentation
