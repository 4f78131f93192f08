#include "frontend/win32/view/child_control.h"
#include "model/controls/image.h"
#include "system/windows/wide_text.h"

namespace reminder::view {

namespace {

// `source` drawn into a new bitmap of `width` by `height`, smoothly (halftone), as the
// picture's place grows with the DPI.
HBITMAP stretched(HBITMAP source, int width, int height) {
  BITMAP size{};
  GetObjectW(source, sizeof size, &size);
  const HDC screen = GetDC(nullptr);
  const HDC from = CreateCompatibleDC(screen);
  const HDC to = CreateCompatibleDC(screen);
  const HBITMAP made = CreateCompatibleBitmap(screen, width, height);
  const HGDIOBJ fromBefore = SelectObject(from, source);
  const HGDIOBJ toBefore = SelectObject(to, made);
  SetStretchBltMode(to, HALFTONE);
  SetBrushOrgEx(to, 0, 0, nullptr);
  StretchBlt(to, 0, 0, width, height, from, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
  SelectObject(to, toBefore);
  SelectObject(from, fromBefore);
  DeleteDC(to);
  DeleteDC(from);
  ReleaseDC(nullptr, screen);
  return made;
}

// A fixed picture of the program's resources filling its place: at its natural size at
// 96 dpi, stretched with the DPI above it. A click of it is the image's click.
class PictureWindow final : public ChildControl {
 public:
  PictureWindow(Image& image, Surface& surface)
      : ChildControl(image, surface, WC_STATICW, SS_BITMAP | SS_NOTIFY, 0), image_(image) {
    std::wstring resource = wideText(image.picture);
    CharUpperBuffW(resource.data(), static_cast<DWORD>(resource.size()));
    picture_.reset(static_cast<HBITMAP>(
        LoadImageW(surface.instance, resource.c_str(), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    showAtSize();
    image.setObserver([this](Property) { syncCommon(); });
  }

  void place() override {
    ChildControl::place();
    showAtSize();
  }

  void command(int code) override {
    if (code == STN_CLICKED) image_.click();
  }

  // The hand (IDC_HAND, whose macro is not of the wide kind).
  [[nodiscard]] HCURSOR cursor() const override {
    return LoadCursorW(nullptr, MAKEINTRESOURCEW(32649));
  }

 private:
  void showAtSize() {
    if (picture_.get() == nullptr) return;
    const RECT place = placeInWindow();
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    BITMAP natural{};
    GetObjectW(picture_.get(), sizeof natural, &natural);
    Owned<HBITMAP> shown;
    if (width != natural.bmWidth || height != natural.bmHeight) {
      shown.reset(stretched(picture_.get(), width, height));
    }
    SendMessageW(hwnd(), STM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(shown.get() != nullptr ? shown.get() : picture_.get()));
    // The window has the new picture: the one it showed before can go.
    shown_ = std::move(shown);
  }

  Image& image_;
  Owned<HBITMAP> picture_;
  Owned<HBITMAP> shown_;  // the stretched copy, when it shows one
};

}  // namespace

std::unique_ptr<ChildControl> makeImage(Image& image, Surface& surface) {
  return std::make_unique<PictureWindow>(image, surface);
}

}  // namespace reminder::view
