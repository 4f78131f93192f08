#pragma once

#include <memory>
#include <optional>
#include <string>

#include "frontend/win32/view/appearance.h"
#include "frontend/win32/view/owned_objects.h"
#include "frontend/win32/win32_headers.h"
#include "model/controls/control.h"

namespace reminder {
class Form;
class Label;
class Frame;
class TextBox;
class CommandButton;
class CheckBox;
class OptionButton;
class Image;
class DriveList;
class DirList;
class FileList;
}  // namespace reminder

namespace reminder::view {

// What a control's window needs of the window it sits in.
struct Surface {
  HWND window;
  HINSTANCE instance;
  const Form& form;
  Appearance& appearance;
  HWND toolTips;
  int dpi;
};

// The window of one control, bound both ways: the control's code writes update the window
// (without echoing back), and what the user does in it goes into the control.
class ChildControl {
 public:
  ChildControl(Control& control, Surface& surface, const wchar_t* windowClass, DWORD style,
               DWORD extendedStyle);
  virtual ~ChildControl() = default;
  ChildControl(const ChildControl&) = delete;
  ChildControl& operator=(const ChildControl&) = delete;
  ChildControl(ChildControl&&) = delete;
  ChildControl& operator=(ChildControl&&) = delete;

  [[nodiscard]] HWND hwnd() const { return hwnd_; }
  [[nodiscard]] Control& control() const { return control_; }

  // Places the window and sets its font at the surface's DPI.
  virtual void place();
  // A notification the window sent its parent (WM_COMMAND's code).
  virtual void command(int /*code*/) {}
  // A WM_NOTIFY the window sent; none: the default handling.
  virtual std::optional<LRESULT> notify(const NMHDR& /*header*/) { return std::nullopt; }
  // Sets the colours of its text on `dc` and gives the brush of its background.
  virtual HBRUSH colors(HDC dc);
  // Enter was pressed while it had the focus.
  virtual void activate() {}
  // The pointer over it; none: the class's own.
  [[nodiscard]] virtual HCURSOR cursor() const { return nullptr; }

 protected:
  // How many pixels wide a caption on one line may be in the window; none where its text is
  // not such a caption (a field's, a list's, a label that grows with its text).
  [[nodiscard]] virtual std::optional<int> captionRoom() const { return std::nullopt; }
  // Shows `caption` as the window's text, in a font it fits in, and names it for assistive
  // technology.
  void showCaption(const std::string& caption) const;
  void syncCommon() const;
  // The name assistive technology reads, after a caption change.
  void nameForAssistiveTechnology() const;
  [[nodiscard]] COLORREF foreColor() const;
  [[nodiscard]] COLORREF backColor() const;
  [[nodiscard]] HFONT font() const;
  [[nodiscard]] Surface& surface() const { return surface_; }
  // Where the definition puts it, in pixels of the window's client area.
  [[nodiscard]] RECT placeInWindow() const;

 private:
  Control& control_;
  Surface& surface_;
  HWND hwnd_;
  WindowName name_;
};

// The window of `control`, or none for a control the window paints itself (a line).
[[nodiscard]] std::unique_ptr<ChildControl> makeChildControl(Control& control, Surface& surface);

// Each kind's window (the *.cpp beside this header).
std::unique_ptr<ChildControl> makeLabel(Label& label, Surface& surface);
std::unique_ptr<ChildControl> makeFrame(Frame& frame, Surface& surface);
std::unique_ptr<ChildControl> makeTextBox(TextBox& box, Surface& surface);
std::unique_ptr<ChildControl> makeCommandButton(CommandButton& button, Surface& surface);
std::unique_ptr<ChildControl> makeCheckBox(CheckBox& box, Surface& surface);
std::unique_ptr<ChildControl> makeOptionButton(OptionButton& option, Surface& surface);
std::unique_ptr<ChildControl> makeImage(Image& image, Surface& surface);
std::unique_ptr<ChildControl> makeDriveList(DriveList& list, Surface& surface);
std::unique_ptr<ChildControl> makeDirList(DirList& list, Surface& surface);
std::unique_ptr<ChildControl> makeFileList(FileList& list, Surface& surface);

// The text a window shows.
[[nodiscard]] std::wstring windowText(HWND window);

}  // namespace reminder::view
