#pragma once

#include <QString>

class QWidget;

namespace reminder {
class Label;
class TextBox;
class CommandButton;
class CheckBox;
class OptionButton;
class Frame;
class Image;
class DriveList;
class DirList;
class FileList;
class Control;
}  // namespace reminder

// One widget per control kind, bound both ways: the control's code writes update the widget
// (without echoing back), and the user's typing and clicking go into the control.
namespace reminder::view {

QWidget* makeLabel(Label& label, QWidget* parent);
QWidget* makeTextBox(TextBox& box, QWidget* parent);
QWidget* makeCommandButton(CommandButton& button, QWidget* parent);
QWidget* makeCheckBox(CheckBox& box, QWidget* parent);
QWidget* makeOptionButton(OptionButton& option, QWidget* parent);
QWidget* makeFrame(Frame& frame, QWidget* parent);
QWidget* makeImage(Image& image, QWidget* parent);
QWidget* makeDriveList(DriveList& list, QWidget* parent);
QWidget* makeDirList(DirList& list, QWidget* parent);
QWidget* makeFileList(FileList& list, QWidget* parent);

// What assistive technology calls the control.
QString accessibleNameOf(Control& control);

// What every control widget shares: name, place, font, colours, tooltip, enabled, visible.
void applyCommon(QWidget& widget, const Control& control);
void syncCommon(QWidget& widget, const Control& control);

}  // namespace reminder::view
