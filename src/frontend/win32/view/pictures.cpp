#include "frontend/win32/view/child_control.h"
#include "model/controls/image.h"
#include "system/windows/wide_text.h"

namespace reminder::view {

namespace {

// A fixed picture of the program's resources at its natural size; a click of it is the
// image's click.
class PictureWindow final : public ChildControl {
 public:
  PictureWindow(Image& image, Surface& surface)
      : ChildControl(image, surface, WC_STATICW, SS_BITMAP | SS_NOTIFY, 0), image_(image) {
    std::wstring resource = wideText(image.picture);
    CharUpperBuffW(resource.data(), static_cast<DWORD>(resource.size()));
    bitmap_ = static_cast<HBITMAP>(
        LoadImageW(surface.instance, resource.c_str(), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    SendMessageW(hwnd(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap_));
    image.setObserver([this](Property) { syncCommon(); });
  }

  void command(int code) override {
    if (code == STN_CLICKED) image_.click();
  }

  // The hand (IDC_HAND, whose macro is not of the wide kind).
  [[nodiscard]] HCURSOR cursor() const override {
    return LoadCursorW(nullptr, MAKEINTRESOURCEW(32649));
  }

 private:
  Image& image_;
  HBITMAP bitmap_ = nullptr;
};

}  // namespace

std::unique_ptr<ChildControl> makeImage(Image& image, Surface& surface) {
  return std::make_unique<PictureWindow>(image, surface);
}

}  // namespace reminder::view
