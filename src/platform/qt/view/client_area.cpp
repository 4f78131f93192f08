#include "platform/qt/view/client_area.h"

#include <QPainter>
#include <algorithm>
#include <map>

#include "controls/check_box.h"
#include "controls/command_button.h"
#include "controls/file_lists.h"
#include "controls/form.h"
#include "controls/frame.h"
#include "controls/image.h"
#include "controls/label.h"
#include "controls/line.h"
#include "controls/option_button.h"
#include "controls/text_box.h"
#include "platform/qt/view/appearance.h"
#include "platform/qt/view/control_widgets.h"

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

  // Chains the focusable widgets in the order of their tab indices.
  void orderTabs() {
    std::stable_sort(focusable_.begin(), focusable_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusable_.size(); ++i) {
      QWidget::setTabOrder(focusable_[i - 1].second, focusable_[i].second);
    }
  }

  void visit(Label& c) override { add(makeLabel(c, parentOf(c)), false); }
  void visit(TextBox& c) override { add(makeTextBox(c, parentOf(c)), true); }
  void visit(CommandButton& c) override { add(makeCommandButton(c, parentOf(c)), true); }
  void visit(CheckBox& c) override { add(makeCheckBox(c, parentOf(c)), true); }
  void visit(OptionButton& c) override { add(makeOptionButton(c, parentOf(c)), true); }
  void visit(Frame& c) override {
    QWidget* widget = makeFrame(c, parentOf(c));
    containers_[&c] = widget;
    windowed_.push_back(widget);
  }
  void visit(Image& c) override { add(makeImage(c, parentOf(c)), false); }
  void visit(DriveList& c) override { add(makeDriveList(c, parentOf(c)), true); }
  void visit(DirList& c) override { add(makeDirList(c, parentOf(c)), true); }
  void visit(FileList& c) override { add(makeFileList(c, parentOf(c)), true); }
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

  void add(QWidget* widget, bool takesFocus) {
    if (!takesFocus) return;
    widget->setFocusPolicy(Qt::StrongFocus);
    focusable_.emplace_back(current_->layout.tabIndex, widget);
    if (widget->parentWidget() == &area_) windowed_.push_back(widget);
  }

  ClientArea& area_;
  LineLayer& lines_;
  Control* current_ = nullptr;
  std::map<const Frame*, QWidget*> containers_;
  std::vector<std::pair<int, QWidget*>> focusable_;
  std::vector<QWidget*> windowed_;  // children of the area that stay above the lines
};

}  // namespace

ClientArea::ClientArea(Form& form, QWidget* parent) : QWidget(parent) {
  setObjectName(QString::fromStdString(form.name()) + QStringLiteral("Client"));
  setFixedSize(twipsToPixels(form.clientWidth), twipsToPixels(form.clientHeight));
  applyColors(*this, form.foreColor, form.backColor);
  auto* lines = new LineLayer(*this);
  lines->setObjectName(QStringLiteral("lines"));
  WidgetBuilder builder(*this, *lines);
  for (Control* control : form.controls()) builder.build(*control);
  builder.orderTabs();
  builder.raiseAboveLines();
}

}  // namespace reminder::view
