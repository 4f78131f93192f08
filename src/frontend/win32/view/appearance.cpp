#include "frontend/win32/view/appearance.h"

#include <set>

#include "frontend/shared/colors.h"
#include "frontend/shared/fonts.h"
#include "system/windows/wide_text.h"

namespace reminder::view {

namespace {

std::wstring folded(const std::string& family) {
  std::wstring name = wideText(family);
  CharLowerBuffW(name.data(), static_cast<DWORD>(name.size()));
  return name;
}

// The faces installed, in the case GDI ignores, and which of them are bitmap faces, looked up
// once.
struct InstalledFaces {
  std::set<std::wstring> all;
  std::set<std::wstring> raster;
};

const InstalledFaces& installedFaces() {
  static const InstalledFaces faces = [] {
    InstalledFaces found;
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    const HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(
        screen, &wanted,
        [](const LOGFONTW* font, const TEXTMETRICW* /*metric*/, DWORD type, LPARAM data) -> int {
          std::wstring name = font->lfFaceName;
          CharLowerBuffW(name.data(), static_cast<DWORD>(name.size()));
          auto* faces = reinterpret_cast<InstalledFaces*>(data);
          faces->all.insert(name);
          if ((type & RASTER_FONTTYPE) != 0) faces->raster.insert(name);
          return 1;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
  }();
  return faces;
}

bool isInstalled(const std::string& family) {
  return installedFaces().all.contains(folded(family));
}

// A bitmap face ("MS Sans Serif") has its few sizes drawn for the screen; larger letters
// (the Time Up window's, or any at a high DPI) come from the first outline face of the same
// kind instead, as GDI would only blow the bitmaps up.
constexpr int kLargestBitmapLetters = 13;

std::wstring faceToAsk(const Font& font, const presentation::FaceChoice& choice) {
  const InstalledFaces& faces = installedFaces();
  if (choice.pixelSize > kLargestBitmapLetters && faces.raster.contains(folded(font.face))) {
    for (const std::string& family : choice.families) {
      const std::wstring name = folded(family);
      if (faces.all.contains(name) && !faces.raster.contains(name)) return wideText(family);
    }
  }
  return wideText(font.face);
}

BYTE pitchAndFamily(presentation::FaceKind kind) {
  switch (kind) {
    case presentation::FaceKind::SansSerif:
      return VARIABLE_PITCH | FF_SWISS;
    case presentation::FaceKind::Serif:
      return VARIABLE_PITCH | FF_ROMAN;
    case presentation::FaceKind::Decorative:
      return VARIABLE_PITCH | FF_DECORATIVE;
    case presentation::FaceKind::Cursive:
      return VARIABLE_PITCH | FF_SCRIPT;
    case presentation::FaceKind::Any:
      break;
  }
  return DEFAULT_PITCH | FF_DONTCARE;
}

}  // namespace

COLORREF colorRef(const Color& color) {
  if (color.system) return GetSysColor(presentation::systemColorIndex(*color.system));
  return RGB(color.red, color.green, color.blue);
}

RECT toRect(const TwipRect& rect, int dpi) {
  const presentation::PixelRect pixels = presentation::toPixels(rect, dpi);
  return {pixels.left, pixels.top, pixels.left + pixels.width, pixels.top + pixels.height};
}

Appearance::~Appearance() {
  for (const auto& [key, font] : fonts_) DeleteObject(font);
  for (const auto& [color, brush] : brushes_) DeleteObject(brush);
}

HFONT Appearance::font(const std::optional<Font>& wanted, int dpi) {
  const Font font = wanted.value_or(presentation::defaultFont());
  const FontKey key{font.face, font.points, font.bold, font.charset, dpi};
  if (const auto found = fonts_.find(key); found != fonts_.end()) return found->second;
  // The choice gives the size (smaller where the stand-in face runs large) and the kind, which
  // leads Windows' own substitution of a missing face; the face asked for is the named one.
  const presentation::FaceChoice choice = presentation::chooseFace(font, isInstalled, dpi);
  const HFONT made =
      CreateFontW(-choice.pixelSize, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                  static_cast<BYTE>(font.charset), OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                  DEFAULT_QUALITY, pitchAndFamily(choice.kind), faceToAsk(font, choice).c_str());
  fonts_.emplace(key, made);
  return made;
}

HBRUSH Appearance::brush(COLORREF color) {
  if (const auto found = brushes_.find(color); found != brushes_.end()) return found->second;
  const HBRUSH made = CreateSolidBrush(color);
  brushes_.emplace(color, made);
  return made;
}

}  // namespace reminder::view
