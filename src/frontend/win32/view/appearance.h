#pragma once

#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "frontend/shared/geometry.h"
#include "frontend/win32/view/owned_objects.h"
#include "frontend/win32/win32_headers.h"
#include "model/controls/types.h"

namespace reminder::view {

// A colour of a definition as Windows draws it; a system colour by its index, from the
// user's scheme.
[[nodiscard]] COLORREF colorRef(const Color& color);

// Pixels of a definition's twips at a window's DPI.
[[nodiscard]] RECT toRect(const TwipRect& rect, int dpi);

// The fonts and brushes of one window, made once each (a font once for each DPI) and kept
// while the window lives.
class Appearance {
 public:
  // The named face at `dpi` (the window's default face where none is named), or the first
  // installed stand-in of the same kind and width; where none is installed, Windows
  // substitutes a face of the same kind.
  [[nodiscard]] HFONT font(const std::optional<Font>& font, int dpi);
  // The same face, made smaller where `text` would not fit into `room` pixels on one line
  // (a stand-in face that runs wider, larger letters at a higher DPI).
  [[nodiscard]] HFONT fitted(const std::optional<Font>& font, int dpi, const std::wstring& text,
                             int room);
  [[nodiscard]] HBRUSH brush(COLORREF color);

 private:
  // The face, its size in points, bold, character set, DPI and the letters' size in pixels
  // (0: as the size in points gives it).
  using FontKey = std::tuple<std::string, double, bool, int, int, int>;
  HFONT made(const Font& font, int dpi, int pixelSize);

  std::map<FontKey, Owned<HFONT>> fonts_;
  std::map<COLORREF, Owned<HBRUSH>> brushes_;
};

}  // namespace reminder::view
