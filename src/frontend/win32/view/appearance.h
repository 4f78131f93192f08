#pragma once

#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "frontend/shared/geometry.h"
#include "frontend/win32/view/win32_headers.h"
#include "model/controls/types.h"

namespace reminder::view {

// A colour of a definition as Windows draws it; a system colour by its index, from the
// user's scheme.
[[nodiscard]] COLORREF colorRef(const Color& color);

// Pixels of a definition's twips at a window's DPI.
[[nodiscard]] RECT toRect(const TwipRect& rect, int dpi);

// The fonts and brushes of one window, made once each and kept while the window lives.
class Appearance {
 public:
  Appearance() = default;
  ~Appearance();
  Appearance(const Appearance&) = delete;
  Appearance& operator=(const Appearance&) = delete;
  Appearance(Appearance&&) = delete;
  Appearance& operator=(Appearance&&) = delete;

  // The named face asked for by name at `dpi` (the window's default face where none is
  // named); Windows substitutes a face of the same kind where it is missing.
  [[nodiscard]] HFONT font(const std::optional<Font>& font, int dpi);
  [[nodiscard]] HBRUSH brush(COLORREF color);

 private:
  using FontKey = std::tuple<std::string, double, bool, int, int>;
  std::map<FontKey, HFONT> fonts_;
  std::map<COLORREF, HBRUSH> brushes_;
};

}  // namespace reminder::view
