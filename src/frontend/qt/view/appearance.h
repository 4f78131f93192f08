#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

#include "model/controls/types.h"

class QWidget;

namespace reminder::view {

// Twips of a window definition as logical pixels; Qt scales them on high-dpi screens.
[[nodiscard]] QRect toPixels(const TwipRect& rect);
[[nodiscard]] QPoint toPixels(int x, int y);

// A colour of a definition: RGB as given, a system colour from the user's palette.
[[nodiscard]] QColor toQColor(const Color& color);

// A named face, or the nearest installed face of its kind, sized as at 96 dpi.
[[nodiscard]] QFont toQFont(const Font& font);
[[nodiscard]] QFont defaultFont();

// Paints `widget`'s background and text with the given colours.
void applyColors(QWidget& widget, const std::optional<Color>& fore,
                 const std::optional<Color>& back);

}  // namespace reminder::view
