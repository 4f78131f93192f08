#include "frontend/shared/geometry.h"

#include <cstdint>

namespace reminder::presentation {

int toPixels(int twips, int dpi) {
  return static_cast<int>(static_cast<std::int64_t>(twips) * dpi / kTwipsPerInch);
}

PixelRect toPixels(const TwipRect& rect, int dpi) {
  return {toPixels(rect.left, dpi), toPixels(rect.top, dpi), toPixels(rect.width, dpi),
          toPixels(rect.height, dpi)};
}

int scaledPixels(int pixels, int dpi) {
  return pixels * dpi / kDesignDpi;
}

}  // namespace reminder::presentation
