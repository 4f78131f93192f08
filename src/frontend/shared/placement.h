#pragma once

#include "frontend/shared/geometry.h"

namespace reminder::presentation {

struct PixelPoint {
  int x = 0;
  int y = 0;

  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// Where a window of `width` by `height` comes up, kept inside `work` (its monitor without the
// task bars): one `step` down and right of the window `from`, as a program's next window is
// cascaded; or centred in `work` itself. A window larger than `work` keeps its top-left
// corner in it.
[[nodiscard]] PixelPoint cascadedFrom(const PixelRect& from, int step, int width, int height,
                                      const PixelRect& work);
[[nodiscard]] PixelPoint centredIn(const PixelRect& work, int width, int height);

}  // namespace reminder::presentation
