#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

#include "frontend/qt/view/control_widgets.h"
#include "model/controls/text_box.h"

namespace reminder::view {

namespace {

// A field that leaves its window's menu shortcuts to the menu. Desktop key schemes give some
// of them to editing (Ctrl+E moves to the end of the line on X11), which would otherwise
// take a shortcut away whenever a field has the focus.
class TextField final : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ShortcutOverride &&
        isMenuShortcut(*static_cast<QKeyEvent*>(event))) {
      event->ignore();
      return true;
    }
    return QLineEdit::event(event);
  }

 private:
  [[nodiscard]] bool isMenuShortcut(const QKeyEvent& key) const {
    const QKeySequence pressed(key.keyCombination());
    const auto actions = window()->findChildren<QAction*>();
    return std::any_of(actions.begin(), actions.end(), [&pressed](const QAction* action) {
      return action->isEnabled() && action->shortcut() == pressed;
    });
  }
};

void showText(QLineEdit& widget, const TextBox& box) {
  const QString text = QString::fromStdString(box.text());
  // The limit holds the user's typing only; a longer text written by code stays whole.
  const auto limit = box.maxLength == 0 ? 32767 : static_cast<int>(box.maxLength);
  widget.setMaxLength(std::max<int>(limit, static_cast<int>(text.size())));
  if (widget.text() != text) widget.setText(text);
}

}  // namespace

QWidget* makeTextBox(TextBox& box, QWidget* parent) {
  auto* widget = new TextField(parent);
  applyCommon(*widget, box);
  if (box.layout.flat) {
    widget->setStyleSheet(
        QStringLiteral("QLineEdit { border: 1px solid palette(shadow); padding: 0px; }"));
    // A classic field keeps one pixel between border and text; Qt keeps two.
    widget->setTextMargins(-1, 0, -1, 0);
  }
  widget->setReadOnly(box.locked());
  widget->setAccessibleName(accessibleNameOf(box));
  showText(*widget, box);
  // Any change the control did not make is the user's: typing, and also a screen reader or
  // other assistive tool writing the field's text, which Qt does without textEdited.
  QObject::connect(widget, &QLineEdit::textChanged, [widget, &box](const QString& text) {
    if (text.toStdString() == box.text()) return;
    box.userEdit(text.toStdString());
    showText(*widget, box);  // the field shows what the control holds
  });
  box.setObserver([widget, &box](Property property) {
    switch (property) {
      case Property::Text:
        showText(*widget, box);
        break;
      case Property::Locked:
        widget->setReadOnly(box.locked());
        break;
      default:
        syncCommon(*widget, box);
    }
  });
  return widget;
}

}  // namespace reminder::view
