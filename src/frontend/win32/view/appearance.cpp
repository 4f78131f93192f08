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

// The named face where it is installed, else the first installed face of the same kind and
// width; where none is, the named one, for Windows' own substitution by kind.
std::wstring faceToAsk(const Font& font, const presentation::FaceChoice& choice) {
  const InstalledFaces& faces = installedFaces();
  if (choice.pixelSize > kLargestBitmapLetters && faces.raster.contains(folded(font.face))) {
    for (const std::string& family : choice.families) {
      const std::wstring name = folded(family);
      if (faces.all.contains(name) && !faces.raster.contains(name)) return wideText(family);
    }
  }
  const std::string& first = choice.families.front();
  return wideText(isInstalled(first) ? first : font.face);
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

HFONT Appearance::font(const std::optional<Font>& wanted, int dpi) {
  return made(wanted.value_or(presentation::defaultFont()), dpi, 0);
}

HFONT Appearance::fitted(const std::optional<Font>& wanted, int dpi, const std::wstring& text,
                         int room) {
  const Font font = wanted.value_or(presentation::defaultFont());
  HFONT chosen = made(font, dpi, 0);
  const HDC screen = GetDC(nullptr);
  const HGDIOBJ before = SelectObject(screen, chosen);
  SIZE extent{};
  GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &extent);
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen, &metrics);
  // One pixel of the letters' height less at a time, down to two thirds of it.
  const int full = metrics.tmHeight - metrics.tmInternalLeading;
  for (int size = full - 1; extent.cx > room && size >= full * 2 / 3 && size > 0; --size) {
    chosen = made(font, dpi, size);
    SelectObject(screen, chosen);
    GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &extent);
  }
  SelectObject(screen, before);
  ReleaseDC(nullptr, screen);
  return chosen;
}

HFONT Appearance::made(const Font& font, int dpi, int pixelSize) {
  const FontKey key{font.face, font.points, font.bold, font.charset, dpi, pixelSize};
  if (const auto found = fonts_.find(key); found != fonts_.end()) return found->second.get();
  // The choice gives the face, the size (smaller where the stand-in face runs large) and the
  // kind, which leads Windows' own substitution where no face of the choice is installed.
  const presentation::FaceChoice choice = presentation::chooseFace(font, isInstalled, dpi);
  const int letters = pixelSize > 0 ? pixelSize : choice.pixelSize;
  const HFONT made =
      CreateFontW(-letters, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                  static_cast<BYTE>(font.charset), OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                  DEFAULT_QUALITY, pitchAndFamily(choice.kind), faceToAsk(font, choice).c_str());
  fonts_.emplace(key, Owned<HFONT>(made));
  return made;
}

HBRUSH Appearance::brush(COLORREF color) {
  if (const auto found = brushes_.find(color); found != brushes_.end()) return found->second.get();
  const HBRUSH made = CreateSolidBrush(color);
  brushes_.emplace(color, Owned<HBRUSH>(made));
  return made;
}

}  // namespace reminder::view
