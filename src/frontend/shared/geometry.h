#pragma once

#include "model/controls/types.h"

namespace reminder::presentation {

// The windows are laid out for 96 dots per inch, where 15 twips make one pixel.
inline constexpr int kDesignDpi = 96;
inline constexpr int kTwipsPerInch = 1440;

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Whole pixels at `dpi`, rounded down, so that neighbouring controls never overlap.
[[nodiscard]] int toPixels(int twips, int dpi = kDesignDpi);
[[nodiscard]] PixelRect toPixels(const TwipRect& rect, int dpi = kDesignDpi);
// A measure drawn in whole pixels at 96 dpi (an inset, a border's room) at `dpi`.
[[nodiscard]] int scaledPixels(int pixels, int dpi);

}  // namespace reminder::presentation
