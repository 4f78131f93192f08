#pragma once

namespace reminder {

class Label;
class TextBox;
class CommandButton;
class CheckBox;
class OptionButton;
class Frame;
class Line;
class Image;
class DriveList;
class DirList;
class FileList;

// Lets a view build one widget per kind without asking each control what it is.
class ControlVisitor {
 public:
  virtual ~ControlVisitor() = default;
  virtual void visit(Label& control) = 0;
  virtual void visit(TextBox& control) = 0;
  virtual void visit(CommandButton& control) = 0;
  virtual void visit(CheckBox& control) = 0;
  virtual void visit(OptionButton& control) = 0;
  virtual void visit(Frame& control) = 0;
  virtual void visit(Line& control) = 0;
  virtual void visit(Image& control) = 0;
  virtual void visit(DriveList& control) = 0;
  virtual void visit(DirList& control) = 0;
  virtual void visit(FileList& control) = 0;
};

}  // namespace reminder
