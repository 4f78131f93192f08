#include <QWidget>

#include "frontend/qt/view/appearance.h"
#include "frontend/qt/view/control_widgets.h"
#include "frontend/shared/accessible_names.h"
#include "model/controls/control.h"

namespace reminder::view {

void applyCommon(QWidget& widget, const Control& control) {
  const ControlLayout& layout = control.layout;
  widget.setObjectName(QString::fromStdString(control.name()));
  widget.setGeometry(toPixels(layout.rect));
  widget.setFont(layout.font ? toQFont(*layout.font) : defaultFont());
  applyColors(widget, layout.foreColor, layout.backColor);
  if (!layout.toolTip.empty()) widget.setToolTip(QString::fromStdString(layout.toolTip));
  syncCommon(widget, control);
}

QString accessibleNameOf(Control& control) {
  return QString::fromStdString(presentation::accessibleName(control));
}

void syncCommon(QWidget& widget, const Control& control) {
  widget.setEnabled(control.enabled());
  widget.setVisible(control.visible());
}

}  // namespace reminder::view
