#include "platform/qt/view/appearance.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>
#include <QSet>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace reminder::view {

namespace {

struct FaceFallback {
  std::string_view face;
  QFont::StyleHint hint;
  std::array<const char*, 3> nearest;
  double scale = 1.0;  // of the size, where the face's letters run smaller than usual
};

// Faces the windows name, with installed faces of the same kind, width and size of letters.
constexpr std::array<FaceFallback, 11> kFallbacks{{
    {"MS Sans Serif", QFont::SansSerif, {"Microsoft Sans Serif", "Arial", "Liberation Sans"}},
    {"Eras Medium ITC", QFont::SansSerif, {"Eras ITC", "Liberation Sans", "DejaVu Sans"}},
    {"Showcard Gothic", QFont::Decorative, {"Impact", "Liberation Sans", "DejaVu Sans"}},
    {"Lucida Handwriting", QFont::Cursive, {"Z003", "URW Chancery L", "DejaVu Serif"}},
    {"Bauhaus 93", QFont::Decorative, {"DejaVu Sans", "Liberation Sans", "sans-serif"}},
    {"Viner Hand ITC", QFont::Cursive, {"Z003", "URW Chancery L", "DejaVu Serif"}},
    {"Narkisim", QFont::SansSerif, {"Liberation Sans Narrow", "Nimbus Sans Narrow", "DejaVu Sans"}},
    {"Niagara Engraved",
     QFont::SansSerif,
     {"Liberation Sans Narrow", "Nimbus Sans Narrow", "DejaVu Sans Condensed"}},
    {"Niagara Solid",
     QFont::SansSerif,
     {"Liberation Sans Narrow", "Nimbus Sans Narrow", "DejaVu Sans Condensed"}},
    {"Candara", QFont::SansSerif, {"Liberation Sans", "DejaVu Sans", "sans-serif"}},
    {"Arabic Typesetting",
     QFont::Serif,
     {"Liberation Sans Narrow", "Nimbus Sans Narrow", "serif"},
     0.8},
}};

#ifndef Q_OS_WIN
// The palette role nearest to each system colour.
QColor paletteColor(SystemColor color) {
  const QPalette palette = QApplication::palette();
  switch (color) {
    case SystemColor::WindowBackground:
      return palette.color(QPalette::Base);
    case SystemColor::WindowText:
      return palette.color(QPalette::WindowText);
    case SystemColor::HighlightText:
      return palette.color(QPalette::HighlightedText);
    case SystemColor::InactiveCaptionText:
      // In the classic desktop scheme this is the face colour of buttons and dialogs.
      return palette.color(QPalette::Button);
  }
  return palette.color(QPalette::Window);
}
#endif

// The installed families, looked up once; Qt names a family "Name [foundry]" where two
// foundries share the name.
bool isInstalled(const QString& family) {
  static const QSet<QString> installed = [] {
    QSet<QString> names;
    for (const QString& name : QFontDatabase::families()) {
      names.insert(name.section(QStringLiteral(" ["), 0, 0).toCaseFolded());
    }
    return names;
  }();
  return installed.contains(family.toCaseFolded());
}

}  // namespace

QRect toPixels(const TwipRect& rect) {
  return {twipsToPixels(rect.left), twipsToPixels(rect.top), twipsToPixels(rect.width),
          twipsToPixels(rect.height)};
}

QPoint toPixels(int x, int y) {
  return {twipsToPixels(x), twipsToPixels(y)};
}

QColor toQColor(const Color& color) {
  if (!color.system) return {color.red, color.green, color.blue};
#ifdef Q_OS_WIN
  const DWORD rgb = GetSysColor(static_cast<int>(*color.system));
  return {GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)};
#else
  return paletteColor(*color.system);
#endif
}

QFont toQFont(const Font& font) {
  QFont result;
  const QString face = QString::fromStdString(font.face);
  QStringList families{face};
  double scale = 1.0;
  for (const FaceFallback& fallback : kFallbacks) {
    if (fallback.face != font.face) continue;
    for (const char* nearest : fallback.nearest) families << QString::fromLatin1(nearest);
    result.setStyleHint(fallback.hint);
    if (!isInstalled(face)) scale = fallback.scale;
  }
  // Qt looks for substitutes of every missing face it meets before an installed one, slowly:
  // start the list at the face it would end up with anyway.
  const auto firstInstalled = std::find_if(families.begin(), families.end(), isInstalled);
  if (firstInstalled != families.end()) families.erase(families.begin(), firstInstalled);
  result.setFamilies(families);
  result.setPixelSize(static_cast<int>(std::lround(font.points * 96.0 / 72.0 * scale)));
  result.setBold(font.bold);
  return result;
}

QFont defaultFont() {
  return toQFont({"MS Sans Serif", 8.25, false});
}

void applyColors(QWidget& widget, const std::optional<Color>& fore,
                 const std::optional<Color>& back) {
  QPalette palette = widget.palette();
  if (fore) {
    // Disabled controls keep the palette's grey text.
    const QColor c = toQColor(*fore);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
      for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        palette.setColor(group, role, c);
      }
    }
  }
  if (back) {
    const QColor c = toQColor(*back);
    palette.setColor(QPalette::Window, c);
    palette.setColor(QPalette::Button, c);
    widget.setAutoFillBackground(true);
  }
  widget.setPalette(palette);
}

}  // namespace reminder::view
