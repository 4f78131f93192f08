#include "frontend/shared/placement.h"

#include <algorithm>

namespace reminder::presentation {

namespace {

int keptInside(int at, int size, int start, int length) {
  return std::max(start, std::min(at, start + length - size));
}

PixelPoint keptInside(PixelPoint at, int width, int height, const PixelRect& work) {
  return {keptInside(at.x, width, work.left, work.width),
          keptInside(at.y, height, work.top, work.height)};
}

}  // namespace

PixelPoint cascadedFrom(const PixelRect& from, int step, int width, int height,
                        const PixelRect& work) {
  return keptInside({from.left + step, from.top + step}, width, height, work);
}

PixelPoint centredIn(const PixelRect& work, int width, int height) {
  return keptInside({work.left + (work.width - width) / 2, work.top + (work.height - height) / 2},
                    width, height, work);
}

}  // namespace reminder::presentation
