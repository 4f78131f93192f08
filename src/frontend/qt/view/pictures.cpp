#include <QLabel>
#include <QMouseEvent>

#include "frontend/qt/view/control_widgets.h"
#include "model/controls/image.h"

namespace reminder::view {

namespace {

// A picture that reports a click of the left button.
class PictureLabel final : public QLabel {
 public:
  PictureLabel(Image& image, QWidget* parent) : QLabel(parent), image_(image) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) image_.click();
  }

 private:
  Image& image_;
};

}  // namespace

QWidget* makeImage(Image& image, QWidget* parent) {
  auto* widget = new PictureLabel(image, parent);
  applyCommon(*widget, image);
  const QPixmap picture(
      QStringLiteral(":/pictures/%1.bmp").arg(QString::fromStdString(image.picture)));
  widget->setPixmap(picture);
  widget->resize(picture.size());  // natural size
  widget->setCursor(Qt::PointingHandCursor);
  widget->setAccessibleName(accessibleNameOf(image));
  widget->setFocusPolicy(Qt::NoFocus);
  image.setObserver([widget, &image](Property) { syncCommon(*widget, image); });
  return widget;
}

}  // namespace reminder::view
