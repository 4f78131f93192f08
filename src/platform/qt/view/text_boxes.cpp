#include <QLineEdit>
#include <algorithm>

#include "controls/text_box.h"
#include "platform/qt/view/control_widgets.h"

namespace reminder::view {

namespace {

void showText(QLineEdit& widget, const TextBox& box) {
  const QString text = QString::fromStdString(box.text());
  // The limit holds the user's typing only; a longer text written by code stays whole.
  const auto limit = box.maxLength == 0 ? 32767 : static_cast<int>(box.maxLength);
  widget.setMaxLength(std::max<int>(limit, static_cast<int>(text.size())));
  if (widget.text() != text) widget.setText(text);
}

}  // namespace

QWidget* makeTextBox(TextBox& box, QWidget* parent) {
  auto* widget = new QLineEdit(parent);
  applyCommon(*widget, box);
  if (box.layout.flat) {
    widget->setStyleSheet(
        QStringLiteral("QLineEdit { border: 1px solid palette(shadow); padding: 0px; }"));
    // Qt keeps two pixels either side of the text on top of the border; a flat box keeps
    // one, so narrow boxes (two digits in 17 pixels) show their text whole.
    widget->setTextMargins(-1, 0, -1, 0);
  }
  widget->setReadOnly(box.locked());
  widget->setAccessibleName(QString::fromStdString(
      box.layout.toolTip.empty() ? box.name() : box.layout.toolTip));
  showText(*widget, box);
  QObject::connect(widget, &QLineEdit::textEdited,
                   [widget, &box](const QString& text) {
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
