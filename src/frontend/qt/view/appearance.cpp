#include "frontend/qt/view/appearance.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>
#include <QSet>
#include <QWidget>

#include "frontend/shared/colors.h"
#include "frontend/shared/fonts.h"
#include "frontend/shared/geometry.h"

namespace reminder::view {

namespace {

QPalette::ColorRole toQRole(presentation::PaletteRole role) {
  switch (role) {
    case presentation::PaletteRole::Base:
      return QPalette::Base;
    case presentation::PaletteRole::WindowText:
      return QPalette::WindowText;
    case presentation::PaletteRole::HighlightedText:
      return QPalette::HighlightedText;
    case presentation::PaletteRole::Button:
      return QPalette::Button;
  }
  return QPalette::Window;
}

QFont::StyleHint toStyleHint(presentation::FaceKind kind) {
  switch (kind) {
    case presentation::FaceKind::SansSerif:
      return QFont::SansSerif;
    case presentation::FaceKind::Serif:
      return QFont::Serif;
    case presentation::FaceKind::Decorative:
      return QFont::Decorative;
    case presentation::FaceKind::Cursive:
      return QFont::Cursive;
    case presentation::FaceKind::Any:
      break;
  }
  return QFont::AnyStyle;
}

// The installed families, looked up once; Qt names a family "Name [foundry]" where two
// foundries share the name.
bool isInstalled(const std::string& family) {
  static const QSet<QString> installed = [] {
    QSet<QString> names;
    for (const QString& name : QFontDatabase::families()) {
      names.insert(name.section(QStringLiteral(" ["), 0, 0).toCaseFolded());
    }
    return names;
  }();
  return installed.contains(QString::fromStdString(family).toCaseFolded());
}

}  // namespace

QRect toPixels(const TwipRect& rect) {
  const presentation::PixelRect pixels = presentation::toPixels(rect);
  return {pixels.left, pixels.top, pixels.width, pixels.height};
}

QPoint toPixels(int x, int y) {
  return {presentation::toPixels(x), presentation::toPixels(y)};
}

QColor toQColor(const Color& color) {
  if (!color.system) return {color.red, color.green, color.blue};
  return QApplication::palette().color(toQRole(presentation::paletteRole(*color.system)));
}

QFont toQFont(const Font& font) {
  // Sized as at 96 dpi: Qt scales logical pixels on high-dpi screens itself.
  const presentation::FaceChoice choice = presentation::chooseFace(font, isInstalled);
  QFont result;
  QStringList families;
  for (const std::string& family : choice.families) families << QString::fromStdString(family);
  result.setFamilies(families);
  result.setStyleHint(toStyleHint(choice.kind));
  result.setPixelSize(choice.pixelSize);
  result.setBold(choice.bold);
  return result;
}

QFont defaultFont() {
  return toQFont(presentation::defaultFont());
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
