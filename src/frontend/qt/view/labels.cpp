#include <QGroupBox>
#include <QLabel>

#include "frontend/qt/view/appearance.h"
#include "frontend/qt/view/control_widgets.h"
#include "model/controls/frame.h"
#include "model/controls/label.h"

namespace reminder::view {

namespace {

// A label sized to its text fits the text exactly, border included; empty, it keeps the
// size of its definition.
void fitToCaption(QLabel& widget, const Label& label) {
  if (label.caption().empty()) {
    widget.resize(toPixels(label.layout.rect).size());
  } else {
    widget.resize(widget.sizeHint());
  }
}

void showCaption(QLabel& widget, Label& label) {
  const QString caption = QString::fromStdString(label.caption());
  widget.setText(caption);
  widget.setAccessibleName(accessibleNameOf(label));
  if (label.autoSize) fitToCaption(widget, label);
}

}  // namespace

QWidget* makeLabel(Label& label, QWidget* parent) {
  auto* widget = new QLabel(parent);
  applyCommon(*widget, label);
  widget->setTextFormat(Qt::PlainText);
  widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  widget->setWordWrap(!label.autoSize);
  // The text starts at the border, as on the classic desktop; Qt would indent a framed
  // label's text by half an "x", and the clock's "PM" would then cross the box drawn round it.
  widget->setIndent(0);
  widget->setFocusPolicy(Qt::NoFocus);
  switch (label.border) {
    case LabelBorder::None:
      break;
    case LabelBorder::FlatSingle:
      widget->setFrameStyle(QFrame::Box | QFrame::Plain);
      widget->setLineWidth(1);
      break;
    case LabelBorder::Sunken:
      widget->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      widget->setLineWidth(1);
      break;
  }
  showCaption(*widget, label);
  label.setObserver([widget, &label](Property property) {
    if (property == Property::Caption) {
      showCaption(*widget, label);
    } else {
      syncCommon(*widget, label);
    }
  });
  return widget;
}

QWidget* makeFrame(Frame& frame, QWidget* parent) {
  auto* widget = new QGroupBox(QString::fromStdString(frame.caption), parent);
  applyCommon(*widget, frame);
  // The caption sits on the etched border, as on the classic desktop, so the frame's whole
  // inside below it is room for the controls it holds.
  const int captionMiddle = widget->fontMetrics().height() / 2;
  widget->setStyleSheet(QStringLiteral("QGroupBox { border: 2px groove palette(mid); "
                                       "margin-top: %1px; }"
                                       "QGroupBox::title { subcontrol-origin: margin; "
                                       "left: 6px; padding: 0px 2px; }")
                            .arg(captionMiddle));
  widget->setFocusPolicy(Qt::NoFocus);
  widget->setAccessibleName(accessibleNameOf(frame));
  frame.setObserver([widget, &frame](Property) { syncCommon(*widget, frame); });
  return widget;
}

}  // namespace reminder::view
