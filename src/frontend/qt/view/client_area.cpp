#include "frontend/qt/view/client_area.h"

#include <QPainter>
#include <map>

#include "frontend/qt/view/appearance.h"
#include "frontend/qt/view/control_widgets.h"
#include "frontend/shared/geometry.h"
#include "frontend/shared/tab_order.h"
#include "model/controls/check_box.h"
#include "model/controls/command_button.h"
#include "model/controls/file_lists.h"
#include "model/controls/form.h"
#include "model/controls/frame.h"
#include "model/controls/image.h"
#include "model/controls/label.h"
#include "model/controls/line.h"
#include "model/controls/option_button.h"
#include "model/controls/text_box.h"

namespace reminder::view {

namespace {

// The window's lines, painted over its labels and pictures but under the controls that are
// windows of their own (fields, buttons, frames, lists), as on the classic desktop: a line
// drawn next to a label stays visible where the label's background reaches over it.
class LineLayer final : public QWidget {
 public:
  explicit LineLayer(QWidget& area) : QWidget(&area) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(area.rect());
  }

  void add(Line& line) {
    lines_.push_back(&line);
    // Only the line's own pixels: the layer spans the window and is see-through, so a whole
    // update would repaint everything under it, several times a second while the countdown's
    // indicator turns.
    line.setObserver([this, &line](Property) {
      update(QRect(toPixels(line.x1, line.y1), toPixels(line.x2, line.y2))
                 .normalized()
                 .adjusted(-1, -1, 1, 1));
    });
  }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    for (const Line* line : lines_) {
      if (!line->visible()) continue;
      const QColor color =
          line->color ? toQColor(*line->color) : palette().color(QPalette::WindowText);
      painter.setPen(QPen(color, 1));
      painter.drawLine(toPixels(line->x1, line->y1), toPixels(line->x2, line->y2));
    }
  }

 private:
  std::vector<Line*> lines_;
};

// Makes the widget of each control inside its container, and notes which take the focus.
class WidgetBuilder final : public ControlVisitor {
 public:
  WidgetBuilder(ClientArea& area, LineLayer& lines) : area_(area), lines_(lines) {}

  void build(Control& control) {
    current_ = &control;
    control.accept(*this);
  }

  // Chains the focusable widgets in the window's tab order.
  void orderTabs(const Form& form) {
    QWidget* previous = nullptr;
    for (Control* control : presentation::tabOrder(form)) {
      QWidget* widget = focusable_.at(control);
      if (previous != nullptr) QWidget::setTabOrder(previous, widget);
      previous = widget;
    }
  }

  void visit(Label& c) override { add(makeLabel(c, parentOf(c))); }
  void visit(TextBox& c) override { add(makeTextBox(c, parentOf(c))); }
  void visit(CommandButton& c) override { add(makeCommandButton(c, parentOf(c))); }
  void visit(CheckBox& c) override { add(makeCheckBox(c, parentOf(c))); }
  void visit(OptionButton& c) override { add(makeOptionButton(c, parentOf(c))); }
  void visit(Frame& c) override {
    QWidget* widget = makeFrame(c, parentOf(c));
    containers_[&c] = widget;
    windowed_.push_back(widget);
  }
  void visit(Image& c) override { add(makeImage(c, parentOf(c))); }
  void visit(DriveList& c) override { add(makeDriveList(c, parentOf(c))); }
  void visit(DirList& c) override { add(makeDirList(c, parentOf(c))); }
  void visit(FileList& c) override { add(makeFileList(c, parentOf(c))); }
  void visit(Line& line) override { lines_.add(line); }

  // Keeps the controls that are windows of their own above the lines.
  void raiseAboveLines() {
    lines_.raise();
    for (QWidget* widget : windowed_) widget->raise();
  }

 private:
  QWidget* parentOf(const Control& control) {
    const auto found = containers_.find(control.layout.container);
    return found == containers_.end() ? &area_ : found->second;
  }

  void add(QWidget* widget) {
    if (!presentation::takesFocus(*current_)) return;
    widget->setFocusPolicy(Qt::StrongFocus);
    focusable_[current_] = widget;
    if (widget->parentWidget() == &area_) windowed_.push_back(widget);
  }

  ClientArea& area_;
  LineLayer& lines_;
  Control* current_ = nullptr;
  std::map<const Frame*, QWidget*> containers_;
  std::map<const Control*, QWidget*> focusable_;
  std::vector<QWidget*> windowed_;  // children of the area that stay above the lines
};

}  // namespace

ClientArea::ClientArea(Form& form, QWidget* parent) : QWidget(parent) {
  setObjectName(QString::fromStdString(form.name()) + QStringLiteral("Client"));
  setFixedSize(presentation::toPixels(form.clientWidth), presentation::toPixels(form.clientHeight));
  applyColors(*this, form.foreColor, form.backColor);
  auto* lines = new LineLayer(*this);
  lines->setObjectName(QStringLiteral("lines"));
  WidgetBuilder builder(*this, *lines);
  for (Control* control : form.controls()) builder.build(*control);
  builder.orderTabs(form);
  builder.raiseAboveLines();
}

}  // namespace reminder::view
